# What people install, made by cpack from an optimized build.
#
# Linux: Debian packages of the install components (cpack -G DEB, configured with
# -DCMAKE_INSTALL_PREFIX=/usr):
#   libkelvo-shared-smbiosMAJOR   runtime: both libraries, under their sonames
#   libkelvo-shared-smbios-dev    development: headers, link names, CMake and pkg-config packages
#   kelvo-smbios                  tool: the program and its manual page
#
# Windows: one zip, kelvo-shared-smbios-VERSION-win64.zip, of every component in one folder:
# bin/ the DLLs and the tool, lib/ the mingw and MSVC import libraries and the CMake and
# pkg-config packages, include/ the headers, and python/kelvo_smbios the Python module with the
# DLLs beside it, where it loads them from. The optimized DLLs and tool are linked without symbols,
# so each file is packed as it was built.
set(CPACK_PACKAGE_NAME kelvo-shared-smbios)
set(CPACK_PACKAGE_VENDOR kelvo)
set(CPACK_PACKAGE_CONTACT "kelvo maintainers <maintainers@kelvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reads and decodes SMBIOS tables")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})

if(WIN32)
    set(kelvo_python_dir python/kelvo_smbios)
    install(DIRECTORY bindings/python/kelvo_smbios/ DESTINATION ${kelvo_python_dir}
            COMPONENT python FILES_MATCHING PATTERN "*.py" PATTERN "__pycache__" EXCLUDE)
    install(FILES $<TARGET_FILE:kelvo-shared-smbios> $<TARGET_FILE:kelvo-shared-error-v2>
            DESTINATION ${kelvo_python_dir} COMPONENT python)
    # What bindings/python/setup.py writes when pip builds the module: its version and library.
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/python/_built.py CONTENT
        "VERSION = '${PROJECT_VERSION}'\nLIBRARY = '$<TARGET_FILE_NAME:kelvo-shared-smbios>'\n")
    install(FILES ${CMAKE_BINARY_DIR}/python/_built.py DESTINATION ${kelvo_python_dir}
            COMPONENT python)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME kelvo-shared-smbios-${PROJECT_VERSION}-win64)
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime development)
if(KELVO_SMBIOS_BUILD_TOOLS)
    list(APPEND CPACK_COMPONENTS_ALL tool)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The runtime package's name carries the soname's number, as Debian names library packages, so
# that two incompatible versions can be installed side by side.
set(kelvo_runtime_package libkelvo-shared-smbios${PROJECT_VERSION_MAJOR})
set(kelvo_exact "${kelvo_runtime_package} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${kelvo_runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "SMBIOS table reader: the shared library and its error library")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libkelvo-shared-smbios-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS ${kelvo_exact})
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "SMBIOS table reader: C and C++ headers, CMake and pkg-config packages")
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME kelvo-smbios)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS ${kelvo_exact})
set(CPACK_COMPONENT_TOOL_DESCRIPTION "Shows a machine's SMBIOS table as dmidecode does")
# dpkg-shlibdeps resolves the tool's dependency on the library from the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
include(CPack)
