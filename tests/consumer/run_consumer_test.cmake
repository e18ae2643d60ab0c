cmake_minimum_required(VERSION 3.25)
# Installs the built library into a scratch prefix, then builds and runs a
# small outside program against it twice: as a CMake project that finds the
# package with find_package, and with the compiler flags pkg-config gives.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${VOK_BUILD_DIR} --prefix ${prefix})
if(EXISTS ${prefix}/bin/vok_gallery)
  message(FATAL_ERROR "the gallery was installed without VOK_INSTALL_GALLERY")
endif()
set(ENV{LD_LIBRARY_PATH} ${prefix}/${LIBDIR}:$ENV{LD_LIBRARY_PATH})

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/vok_consumer)

# pkg-config finds the installed file by its directory alone; its prefix is
# relative to the file, so the scratch prefix needs no rewriting.
find_program(PKG_CONFIG pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
run(${PKG_CONFIG} --cflags --libs vokcomponents)
string(STRIP "${run_output}" pc_flags)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
if(NOT "-std=c++20" IN_LIST pc_flags)
  message(FATAL_ERROR "pkg-config gives no -std=c++20: ${pc_flags}")
endif()
run(${CXX} ${CONSUMER_SOURCE_DIR}/main.cpp -o ${WORK_DIR}/vok_consumer_pc ${pc_flags})
run(${WORK_DIR}/vok_consumer_pc)
message(STATUS "consumer built with CMake and with pkg-config and ran against ${prefix}")
