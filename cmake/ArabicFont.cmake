# The Arabic font the program embeds, made at build time from the packaged Amiri Quran by
# tools/fit-arabic-font.py: the same glyphs, a family name of its own, line metrics fitted to
# the ink of the text (docs/design-notes.md, the Arabic view's *Size*) and one empty mark that
# ends words for Wine (reader/ArabicDrawing.h). Both trees make it: the Windows build embeds
# it, the native tests measure the text's ink against it.
#
# The ascent and descent are in font units (1000 to the em). Every verse, in both drawn forms,
# has its ink within 1815 above and 1039 below the baseline. The ascent also holds the highest
# mark in Wine's synthetic bold (the bold words of an Arabic search), which grows every glyph by
# 1/24 em, and both round, at 28 and 42 pixels (100 % and 150 %, or 100 % at 144 DPI), to a
# line whose ink sits where the source font puts it: the smallest such pair, 2.916 em, 82 and
# 122 pixels. docs/design-notes.md (the Arabic view's *Size*) has the measurements.
set(NURVELA_ARABIC_FAMILY "Nurvela Quran")
set(NURVELA_ARABIC_ASCENT 1861)
set(NURVELA_ARABIC_DESCENT 1055)

find_file(NURVELA_AMIRI_QURAN_FONT AmiriQuran.ttf
  PATHS /usr/share/fonts/opentype/fonts-hosny-amiri /usr/share/fonts/truetype/fonts-hosny-amiri
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# Debian's Python, where python3-fonttools installs fontTools (another python3 may come first
# on the PATH).
find_program(NURVELA_PYTHON3 NAMES python3 HINTS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# nurvela_make_arabic_font(<target> <output> <family> <comment> [fit-arabic-font.py options])
function(nurvela_make_arabic_font target output family comment)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/font
    COMMAND ${NURVELA_PYTHON3} ${PROJECT_SOURCE_DIR}/tools/fit-arabic-font.py
            ${NURVELA_AMIRI_QURAN_FONT} ${output} --family ${family} ${ARGN}
    DEPENDS ${NURVELA_AMIRI_QURAN_FONT} ${PROJECT_SOURCE_DIR}/tools/fit-arabic-font.py
            ${PROJECT_SOURCE_DIR}/cmake/ArabicFont.cmake
    COMMENT ${comment}
    VERBATIM)
  add_custom_target(${target} DEPENDS ${output})
endfunction()

set(NURVELA_ARABIC_FONT ${PROJECT_BINARY_DIR}/font/NurvelaQuran.ttf)
nurvela_make_arabic_font(nurvela_arabic_font ${NURVELA_ARABIC_FONT} "${NURVELA_ARABIC_FAMILY}"
  "Making ${NURVELA_ARABIC_FAMILY} from Amiri Quran"
  --ascent ${NURVELA_ARABIC_ASCENT} --descent ${NURVELA_ARABIC_DESCENT})

# The same copy with the source's own tall lines, for the Windows tests only: they draw the
# Arabic with it to compare every line of the view against the line as it was.
set(NURVELA_ARABIC_FONT_TALL ${PROJECT_BINARY_DIR}/font/NurvelaQuranTall.ttf)
nurvela_make_arabic_font(nurvela_arabic_font_tall ${NURVELA_ARABIC_FONT_TALL}
  "${NURVELA_ARABIC_FAMILY} Tall"
  "Making ${NURVELA_ARABIC_FAMILY} Tall, with the source's lines, for the tests")
