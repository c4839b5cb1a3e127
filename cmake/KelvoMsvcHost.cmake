# Programs built by clang-cl for the MSVC ABI on Linux, linked through an MSVC-format import
# library and run under Wine: how MSVC hosts use the C interface. Wine supplies the C runtime's
# headers and import libraries, libc++ the C++ headers (the programs need no C++ runtime library),
# and tests/capi/msvc/start.c the entry point.

find_program(KELVO_CLANG_CL NAMES clang-cl clang-cl-14)
find_program(KELVO_LLD_LINK NAMES lld-link lld-link-14)
find_path(KELVO_WINE_CRT_INCLUDE stdio.h PATHS /usr/include/wine/wine/msvcrt
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_path(KELVO_WINE_SDK_INCLUDE sal.h PATHS /usr/include/wine/wine/windows
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_path(KELVO_WINE_IMPORT_LIBS libucrtbase.a
    PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_path(KELVO_LIBCXX_INCLUDE string_view PATHS /usr/lib/llvm-14/include/c++/v1
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT (KELVO_CLANG_CL AND KELVO_LLD_LINK AND KELVO_WINE_CRT_INCLUDE AND KELVO_WINE_SDK_INCLUDE AND
        KELVO_WINE_IMPORT_LIBS AND KELVO_LIBCXX_INCLUDE))
    message(FATAL_ERROR "The MSVC-ABI hosts need clang-cl, lld-link, libc++ headers and "
        "libwine-dev (scripts/install-deps.sh installs them)")
endif()

set(KELVO_MSVC_HOST_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/capi/msvc)
cmake_path(NORMAL_PATH KELVO_MSVC_HOST_DIR)

# kelvo_add_msvc_host(NAME OUTPUT_DIR DIR LIBRARY LIB INCLUDES DIRS... SOURCES FILES...
#                     [DEPENDS ...]): DIR/NAME.exe, built by the target NAME, linked with LIB.
function(kelvo_add_msvc_host name)
    cmake_parse_arguments(PARSE_ARGV 1 host "" "OUTPUT_DIR;LIBRARY" "INCLUDES;SOURCES;DEPENDS")
    set(flags --target=x86_64-pc-windows-msvc /nologo /GS- /Zl /W4 /WX
        -imsvc ${KELVO_MSVC_HOST_DIR}/include -imsvc ${KELVO_WINE_CRT_INCLUDE}
        -imsvc ${KELVO_WINE_SDK_INCLUDE})
    foreach(include IN LISTS host_INCLUDES)
        list(APPEND flags /I${include})
    endforeach()
    # The programs use no threads: without them libc++ needs no struct timespec, which Wine's
    # time.h lacks. libc++'s headers come first: they pass on to the C headers with
    # #include_next.
    set(cxx_flags /std:c++17 /EHs-c- /GR- -imsvc ${KELVO_LIBCXX_INCLUDE}
        -D_LIBCPP_NO_VCRUNTIME -D_HAS_EXCEPTIONS=0 -D_LIBCPP_HAS_NO_THREADS ${flags})

    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${name}.objects)
    set(objects)
    set(compile)
    foreach(source IN LISTS host_SOURCES ITEMS ${KELVO_MSVC_HOST_DIR}/start.c)
        get_filename_component(source ${source} ABSOLUTE)
        get_filename_component(stem ${source} NAME_WE)
        set(source_flags ${flags})
        if(source MATCHES "\\.cpp$")
            set(source_flags ${cxx_flags})
        endif()
        # "--": a path that starts with a slash would read as an option.
        list(APPEND compile COMMAND ${KELVO_CLANG_CL} ${source_flags} /c /Fo${dir}/${stem}.obj
            -- ${source})
        list(APPEND objects ${dir}/${stem}.obj)
    endforeach()
    set(exe ${host_OUTPUT_DIR}/${name}.exe)
    add_custom_command(OUTPUT ${exe}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        ${compile}
        COMMAND ${KELVO_LLD_LINK} /nologo /entry:mainCRTStartup /subsystem:console
            /nodefaultlib ${objects} ${host_LIBRARY} ${KELVO_WINE_IMPORT_LIBS}/libucrtbase.a
            ${KELVO_WINE_IMPORT_LIBS}/libkernel32.a /out:${exe}
        DEPENDS ${host_SOURCES} ${KELVO_MSVC_HOST_DIR}/start.c ${host_LIBRARY} ${host_DEPENDS}
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        COMMENT "Building ${name}.exe with clang-cl for the MSVC ABI")
    add_custom_target(${name} ALL DEPENDS ${exe})
endfunction()
