# The folders' dependencies point downward, and a folder tells whether its files touch a
# window: corpus/ and toolkit/ never include ui/, reader/ or app/; reader/ is portable rules
# only, so it includes neither ui/, toolkit/ nor app/, and a platform header (an angle-bracket
# include ending in .h, such as windows.h) only in the one alphanumeric seam.
#
#     cmake -DROOT=<source folder> -P tests/Layers.cmake
#
# Prints every include that breaks the rule and fails when there is one.
if(NOT ROOT)
  message(FATAL_ERROR "Layers.cmake: ROOT is not set")
endif()

# Folder, the project folders its files must not include.
set(forbidden_corpus ui reader app toolkit)
set(forbidden_toolkit ui reader app)
set(forbidden_reader ui toolkit app)
# The one reader file that may see the platform: whole-word tests ask the system which
# characters are alphanumeric.
set(platform_seam reader/AlphaNumeric.cpp)

set(breaks "")
foreach(folder corpus toolkit reader)
  file(GLOB sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "Layers.cmake: no sources found in ${ROOT}/${folder}")
  endif()
  foreach(source IN LISTS sources)
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      foreach(other IN LISTS forbidden_${folder})
        if(line MATCHES "\"${other}/")
          string(APPEND breaks "  ${source}: ${line}\n")
        endif()
      endforeach()
      if(folder STREQUAL "reader" AND line MATCHES "<[^>]+\\.h>" AND NOT source STREQUAL platform_seam)
        string(APPEND breaks "  ${source}: ${line} (platform header outside ${platform_seam})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(breaks)
  message(FATAL_ERROR "Includes against the layers:\n${breaks}")
endif()
message(STATUS "Layers hold: corpus/, toolkit/ and reader/ include only what lies below them")
