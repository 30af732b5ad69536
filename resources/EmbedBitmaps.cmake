# Writes a C++ source holding every PNG of the bitmap folder as a byte array,
# with a table of them by number (the file name without ".png").
# Arguments: -DOUTPUT=<file.cpp> -DINPUTS=<png;png;...>
set(arrays "")
set(rows "")
list(SORT INPUTS)
foreach(png IN LISTS INPUTS)
  get_filename_component(id ${png} NAME_WE)
  if(NOT id MATCHES "^[0-9]+$")
    message(FATAL_ERROR "bitmap file ${png} must be named by its number")
  endif()
  file(READ ${png} bytes HEX)
  string(LENGTH "${bytes}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
  string(APPEND arrays "const unsigned char bitmap${id}[${size}] = {\n${bytes}\n};\n")
  string(APPEND rows "    {${id}, bitmap${id}, sizeof bitmap${id}},\n")
endforeach()
if(rows STREQUAL "")
  set(rows "    {0, nullptr, 0},\n")
endif()

file(WRITE ${OUTPUT}.tmp "// Generated from resources/bitmaps/*.png; do not edit.
#include \"resources/EmbeddedBitmaps.h\"

namespace {
${arrays}
const EmbeddedBitmap kBitmaps[] = {
${rows}};

}  // namespace

const EmbeddedBitmap* findEmbeddedBitmap(int id) {
    for (const EmbeddedBitmap& bitmap : kBitmaps)
        if (bitmap.png && bitmap.id == id) return &bitmap;
    return nullptr;
}
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
