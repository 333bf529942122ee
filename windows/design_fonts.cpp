// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "design_fonts.h"

#include "dpi.h"
#include "wide_text.h"

#include <cmath>
#include <cwchar>
#include <string>

namespace {

int CALLBACK noteFace(const LOGFONTW * /*face*/, const TEXTMETRICW * /*metrics*/, DWORD /*type*/, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

// Whether this system has the face, writing Simplified Chinese (GB2312). Asking for the one face
// spares enumerating every face the system has.
bool hasChineseFace(const std::wstring &face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = GB2312_CHARSET;
    std::wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

template<std::size_t N>
std::wstring firstInstalled(const std::array<std::string_view, N> &faces)
{
    for (const std::string_view face : faces)
        if (hasChineseFace(widen(face)))
            return widen(face);
    return widen(faces.front());
}

std::wstring faceOf(bool song)
{
    static const std::wstring songFace = firstInstalled(window_design::kSongFaces);
    static const std::wstring uiFace = [] {
        const std::wstring message = messageFont(96).lfFaceName;
        return hasChineseFace(message) ? message : firstInstalled(window_design::kUiFaces);
    }();
    return song ? songFace : uiFace;
}

} // namespace

DesignFonts::DesignFonts(int dpi)
    : m_dpi(dpi)
{
    using enum window_design::Font;
    for (const window_design::Font font : {UiFont, Song, SongBold, SongLarge})
        m_fonts.at(static_cast<std::size_t>(font))
            = create(window_design::fontStyle(font), fontStyle(font).pointSize, dpi);
}

DesignFonts::~DesignFonts()
{
    for (HFONT font : m_fonts)
        DeleteObject(font);
}

HFONT DesignFonts::get(window_design::Font font) const
{
    return m_fonts.at(static_cast<std::size_t>(font));
}

HFONT DesignFonts::create(const window_design::FontStyle &style, double pointSize, int dpi)
{
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(pointSize * dpi / 72));
    font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(font.lfFaceName, faceOf(style.song).c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}
