# Compresses IN into OUT the way Debian expects: best compression, no name or time stamp.
# Usage: cmake -DIN=file -DOUT=file.gz -P gzip.cmake
cmake_minimum_required(VERSION 3.22)
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9 -n -c "${IN}" OUTPUT_FILE "${OUT}.part" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${OUT}.part")
    message(FATAL_ERROR "gzip could not compress ${IN}: ${result}")
endif()
file(RENAME "${OUT}.part" "${OUT}")
