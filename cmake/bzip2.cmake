# libbz2 for the Windows build, compiled from Debian's bzip2 source package.
# BZ_NO_STDIO makes the library report internal errors through the program's
# bz_internal_error; -fexceptions lets the exception raised there unwind through it.
if(NOT NURVELA_BZIP2_SOURCE OR NOT EXISTS ${NURVELA_BZIP2_SOURCE}/bzlib.c)
  message(FATAL_ERROR "NURVELA_BZIP2_SOURCE must name the unpacked bzip2 source folder")
endif()
add_library(bz2_static STATIC
  ${NURVELA_BZIP2_SOURCE}/blocksort.c ${NURVELA_BZIP2_SOURCE}/huffman.c
  ${NURVELA_BZIP2_SOURCE}/crctable.c ${NURVELA_BZIP2_SOURCE}/randtable.c
  ${NURVELA_BZIP2_SOURCE}/compress.c ${NURVELA_BZIP2_SOURCE}/decompress.c
  ${NURVELA_BZIP2_SOURCE}/bzlib.c)
target_compile_definitions(bz2_static PRIVATE BZ_NO_STDIO)
target_compile_options(bz2_static PRIVATE -O2 -fexceptions -w)
target_include_directories(bz2_static SYSTEM PUBLIC ${NURVELA_BZIP2_SOURCE})
add_library(BZip2::BZip2 ALIAS bz2_static)
