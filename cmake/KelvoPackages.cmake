# Debian packages of the install components (cpack -G DEB from an optimized build configured
# with -DCMAKE_INSTALL_PREFIX=/usr):
#   libkelvo-shared-smbiosMAJOR   runtime: both libraries, under their sonames
#   libkelvo-shared-smbios-dev    development: headers, link names, CMake and pkg-config packages
#   kelvo-smbios                  tool: the program and its manual page
set(CPACK_PACKAGE_NAME kelvo-shared-smbios)
set(CPACK_PACKAGE_VENDOR kelvo)
set(CPACK_PACKAGE_CONTACT "kelvo maintainers <maintainers@kelvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reads and decodes SMBIOS tables")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
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
