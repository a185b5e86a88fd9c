# Turns resource files into one C++ source of byte arrays and a name table.
# Called at build time: cmake -DOUTPUT=<file.cpp> -DSOURCE_DIR=<dir>
#   -DENTRIES=<name>=<file>|<name>=<file>... -P embed_files.cmake
string(REPLACE "|" ";" entries "${ENTRIES}")
set(arrays "")
set(table "")
set(index 0)
foreach(entry IN LISTS entries)
  string(FIND "${entry}" "=" split)
  string(SUBSTRING "${entry}" 0 ${split} name)
  math(EXPR after "${split} + 1")
  string(SUBSTRING "${entry}" ${after} -1 file)
  file(READ "${SOURCE_DIR}/${file}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  if(size EQUAL 0)
    set(bytes "0")
  else()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  endif()
  string(APPEND arrays "alignas(4) const unsigned char kFile${index}[] = {\n${bytes}\n};\n")
  string(APPEND table "  {\"${name}\", kFile${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.new"
  "// Generated from the files in resources/ by embed_files.cmake. Do not edit.\n"
  "#include \"embedded_table.h\"\n\n"
  "namespace lumpforge::resources::detail {\nnamespace {\n${arrays}}  // namespace\n\n"
  "const EmbeddedFile kEmbeddedFiles[] = {\n${table}};\n"
  "const std::size_t kEmbeddedFileCount = ${index};\n\n"
  "}  // namespace lumpforge::resources::detail\n")
# Only touch the output when its content changed, so nothing rebuilds needlessly.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
