#include "toolkit/FontDesc.h"

#include "toolkit/Dpi.h"

#include <cstring>

LOGFONTA FontDesc::logFont(int dpi) const {
    LOGFONTA lf{};
    lf.lfHeight = scaling::scale(height, dpi);
    lf.lfWeight = weight;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfStrikeOut = strikeOut ? TRUE : FALSE;
    lf.lfCharSet = charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = pitch;
    // LF_FACESIZE includes the terminating zero: 31 characters at most.
    std::size_t n = face.size() < LF_FACESIZE - 1 ? face.size() : LF_FACESIZE - 1;
    std::memcpy(lf.lfFaceName, face.data(), n);
    lf.lfFaceName[n] = '\0';
    return lf;
}

FontHandle FontDesc::create(int dpi) const {
    LOGFONTA lf = logFont(dpi);
    return FontHandle(CreateFontIndirectA(&lf));
}
