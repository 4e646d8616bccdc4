// RAII for COM: an interface pointer that releases itself, and the OLE
// start-up of a thread.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace kuranto {

// QueryInterface by the book for an object with one interface of its own:
// IUnknown and `own` give the object with one more reference, anything else
// null and E_NOINTERFACE.
template <class Interface>
HRESULT QueryOwnInterface(Interface* self, REFIID own, REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == own) {
    *ppv = self;
    self->AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

// Holds one reference to an interface. Adopting a pointer takes over the
// reference it came with; copying adds one.
template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over the caller's reference (a factory's count of 1).
  static ComPtr Adopt(Interface* pointer) {
    ComPtr held;
    held.pointer_ = pointer;
    return held;
  }
  // Adds a reference of its own.
  static ComPtr Share(Interface* pointer) {
    if (pointer != nullptr) pointer->AddRef();
    return Adopt(pointer);
  }
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  ComPtr& operator=(const ComPtr& other) {
    if (this != &other) *this = Share(other.pointer_);
    return *this;
  }
  ComPtr(ComPtr&& other) noexcept : pointer_(other.detach()) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = other.detach();
    }
    return *this;
  }

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For functions that return an interface through an out-parameter: the
  // old reference is released first.
  Interface** put() {
    reset();
    return &pointer_;
  }
  // Hands the reference to the caller.
  Interface* detach() {
    Interface* pointer = pointer_;
    pointer_ = nullptr;
    return pointer;
  }
  void reset() {
    if (pointer_ != nullptr) {
      Interface* pointer = pointer_;
      pointer_ = nullptr;  // a Release that reaches back here finds nothing
      pointer->Release();
    }
  }

 private:
  Interface* pointer_ = nullptr;
};

// OleInitialize for the scope; OleUninitialize only if it succeeded (S_FALSE,
// already initialised on this thread, also wants its uninitialise).
class ScopedOle {
 public:
  ScopedOle() : result_(OleInitialize(nullptr)) {}
  ~ScopedOle() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }
  ScopedOle(const ScopedOle&) = delete;
  ScopedOle& operator=(const ScopedOle&) = delete;
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace kuranto
