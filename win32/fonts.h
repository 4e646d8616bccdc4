// The program's fonts: thin faces asked for by name (cp932).
#pragma once

#include <windows.h>

namespace kuranto {

enum class FontLine { kPlain, kUnderlined };

// A font of weight 1 (the thinnest the face has) in `faceName`; width 0 lets
// the face choose. The caller owns the font (AutoDeleteFont).
inline HFONT MakeFont(int width, int height, const char* faceName, FontLine line = FontLine::kPlain) {
  constexpr int kThinWeight = 1;
  LOGFONTA font = {};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfWeight = kThinWeight;
  font.lfUnderline = line == FontLine::kUnderlined ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, faceName, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

}  // namespace kuranto
