// Small RAII holders for the GDI objects, device contexts, clipboard,
// input context and registry keys the program borrows, so an early return
// releases them too.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <imm.h>

namespace kuranto {

// Selects an object into a DC and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Owns a GDI object (brush, pen, font, bitmap) and deletes it.
template <class Handle>
class AutoDeleteObject {
 public:
  AutoDeleteObject() = default;
  explicit AutoDeleteObject(Handle handle) : handle_(handle) {}
  ~AutoDeleteObject() { reset(); }
  AutoDeleteObject(const AutoDeleteObject&) = delete;
  AutoDeleteObject& operator=(const AutoDeleteObject&) = delete;
  AutoDeleteObject(AutoDeleteObject&& other) noexcept : handle_(other.release()) {}
  AutoDeleteObject& operator=(AutoDeleteObject&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Handle get() const { return handle_; }
  operator Handle() const { return handle_; }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }
  Handle release() {
    Handle h = handle_;
    handle_ = nullptr;
    return h;
  }

 private:
  Handle handle_ = nullptr;
};

using AutoDeleteBrush = AutoDeleteObject<HBRUSH>;
using AutoDeletePen = AutoDeleteObject<HPEN>;
using AutoDeleteFont = AutoDeleteObject<HFONT>;

// GetDC / ReleaseDC of a window.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedGetDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Sets a DC's background mode for a scope.
class ScopedBkMode {
 public:
  ScopedBkMode(HDC dc, int mode) : dc_(dc), previous_(SetBkMode(dc, mode)) {}
  ~ScopedBkMode() {
    if (previous_ != 0) SetBkMode(dc_, previous_);
  }
  ScopedBkMode(const ScopedBkMode&) = delete;
  ScopedBkMode& operator=(const ScopedBkMode&) = delete;

 private:
  HDC dc_;
  int previous_;
};

// OpenClipboard / CloseClipboard; `opened()` tells whether it worked.
class ScopedClipboard {
 public:
  explicit ScopedClipboard(HWND owner) : opened_(OpenClipboard(owner) != FALSE) {}
  ~ScopedClipboard() {
    if (opened_) CloseClipboard();
  }
  ScopedClipboard(const ScopedClipboard&) = delete;
  ScopedClipboard& operator=(const ScopedClipboard&) = delete;
  bool opened() const { return opened_; }

 private:
  bool opened_;
};

// ImmGetContext / ImmReleaseContext of a window.
class ScopedImeContext {
 public:
  explicit ScopedImeContext(HWND window) : window_(window), context_(ImmGetContext(window)) {}
  ~ScopedImeContext() {
    if (context_ != nullptr) ImmReleaseContext(window_, context_);
  }
  ScopedImeContext(const ScopedImeContext&) = delete;
  ScopedImeContext& operator=(const ScopedImeContext&) = delete;
  HIMC get() const { return context_; }

 private:
  HWND window_;
  HIMC context_;
};

// A loaded menu that is destroyed at the end of the scope.
class ScopedMenu {
 public:
  explicit ScopedMenu(HMENU menu) : menu_(menu) {}
  ~ScopedMenu() {
    if (menu_ != nullptr) DestroyMenu(menu_);
  }
  ScopedMenu(const ScopedMenu&) = delete;
  ScopedMenu& operator=(const ScopedMenu&) = delete;
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

// An icon from ImageList_GetIcon, destroyed after drawing.
class ScopedIcon {
 public:
  explicit ScopedIcon(HICON icon) : icon_(icon) {}
  ~ScopedIcon() {
    if (icon_ != nullptr) DestroyIcon(icon_);
  }
  ScopedIcon(const ScopedIcon&) = delete;
  ScopedIcon& operator=(const ScopedIcon&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

// A global memory block, freed unless ownership passes on (to the
// clipboard, a storage medium) through release().
class ScopedGlobal {
 public:
  explicit ScopedGlobal(HGLOBAL block) : block_(block) {}
  ~ScopedGlobal() {
    if (block_ != nullptr) GlobalFree(block_);
  }
  ScopedGlobal(const ScopedGlobal&) = delete;
  ScopedGlobal& operator=(const ScopedGlobal&) = delete;
  HGLOBAL get() const { return block_; }
  HGLOBAL release() {
    HGLOBAL block = block_;
    block_ = nullptr;
    return block;
  }

 private:
  HGLOBAL block_;
};

// GlobalLock / GlobalUnlock; get() is nullptr when the lock failed.
class ScopedGlobalLock {
 public:
  explicit ScopedGlobalLock(HGLOBAL block) : block_(block), bytes_(block != nullptr ? GlobalLock(block) : nullptr) {}
  ~ScopedGlobalLock() {
    if (bytes_ != nullptr) GlobalUnlock(block_);
  }
  ScopedGlobalLock(const ScopedGlobalLock&) = delete;
  ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;
  void* get() const { return bytes_; }

 private:
  HGLOBAL block_;
  void* bytes_;
};

// An image list, destroyed at the end of the scope.
class ScopedImageList {
 public:
  explicit ScopedImageList(HIMAGELIST images = nullptr) : images_(images) {}
  ~ScopedImageList() { reset(); }
  ScopedImageList(const ScopedImageList&) = delete;
  ScopedImageList& operator=(const ScopedImageList&) = delete;
  HIMAGELIST get() const { return images_; }
  void reset(HIMAGELIST images = nullptr) {
    if (images_ != nullptr) ImageList_Destroy(images_);
    images_ = images;
  }

 private:
  HIMAGELIST images_;
};

// An open registry key, closed at the end of the scope.
class ScopedRegKey {
 public:
  ScopedRegKey() = default;
  ~ScopedRegKey() { reset(); }
  ScopedRegKey(const ScopedRegKey&) = delete;
  ScopedRegKey& operator=(const ScopedRegKey&) = delete;
  ScopedRegKey(ScopedRegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  ScopedRegKey& operator=(ScopedRegKey&& other) noexcept {
    if (this != &other) {
      reset();
      key_ = other.key_;
      other.key_ = nullptr;
    }
    return *this;
  }
  HKEY get() const { return key_; }
  // For the Reg*Key calls that hand out a key: closes the one held first.
  HKEY* put() {
    reset();
    return &key_;
  }
  void reset() {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  HKEY key_ = nullptr;
};

// A memory DC compatible with another, deleted at the end of the scope.
class ScopedMemoryDC {
 public:
  explicit ScopedMemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~ScopedMemoryDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  ScopedMemoryDC(const ScopedMemoryDC&) = delete;
  ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// An enhanced metafile, deleted unless ownership passes on (to the
// clipboard) through release().
class ScopedEnhMetaFile {
 public:
  explicit ScopedEnhMetaFile(HENHMETAFILE file) : file_(file) {}
  ~ScopedEnhMetaFile() {
    if (file_ != nullptr) DeleteEnhMetaFile(file_);
  }
  ScopedEnhMetaFile(const ScopedEnhMetaFile&) = delete;
  ScopedEnhMetaFile& operator=(const ScopedEnhMetaFile&) = delete;
  HENHMETAFILE get() const { return file_; }
  HENHMETAFILE release() {
    HENHMETAFILE file = file_;
    file_ = nullptr;
    return file;
  }

 private:
  HENHMETAFILE file_;
};

}  // namespace kuranto
