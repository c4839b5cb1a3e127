# Installs the build into a scratch prefix, then uses that prefix alone, as people outside this
# repository would: the example host built with find_package, the C example built with
# pkg-config, the installed library loaded by its path from Python and the installed tool run,
# the last two with no LD_LIBRARY_PATH (each installed file finds what it needs beside it).
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DLIBDIR=... -DLIBRARY_FILE=...
#       -DC_EXAMPLE=... -DTABLE=... -DTABLE_LINE=... [-DVERSION=... (checks the tool)]
#       -P InstalledPackageTest.cmake
file(REMOVE_RECURSE ${WORK_DIR})
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()
set(prefix ${WORK_DIR}/prefix)
set(bare ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/kelvo-host-example)

# The library by its versioned file, as a host that loads it at run time would.
find_program(PYTHON NAMES python3 REQUIRED)
# (No semicolons: the command is a CMake list.)
run(${bare} ${PYTHON} -c "import ctypes, sys
text = ctypes.CDLL(sys.argv[1]).ksmbios_status_text
text.restype = ctypes.c_char_p
print(text(0).decode())" ${prefix}/${LIBDIR}/${LIBRARY_FILE})
if(out STREQUAL "")
    message(FATAL_ERROR "the installed library gave no status text")
endif()

find_program(CC NAMES cc gcc REQUIRED)
find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${prefix}/${LIBDIR}/pkgconfig
    ${PKG_CONFIG} --cflags --libs kelvo-shared-smbios
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CC} -std=c99 -Wall -Werror ${C_EXAMPLE} -o ${WORK_DIR}/inventory ${flags})
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${prefix}/${LIBDIR} ${WORK_DIR}/inventory ${TABLE})
if(NOT out MATCHES "${TABLE_LINE}")
    message(FATAL_ERROR "the C example built with pkg-config printed:\n${out}")
endif()

if(VERSION)
    run(${bare} ${prefix}/bin/kelvo-smbios --version)
    if(NOT out STREQUAL "kelvo-smbios ${VERSION}\n")
        message(FATAL_ERROR "the installed tool's version: ${out}")
    endif()
    run(${bare} ${prefix}/bin/kelvo-smbios -q --file ${TABLE})
    if(NOT out MATCHES "^BIOS Information\n")
        message(FATAL_ERROR "the installed tool printed:\n${out}")
    endif()
endif()
