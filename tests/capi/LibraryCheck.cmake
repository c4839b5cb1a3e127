# Checks the built library as a host finds it: every function that the headers declare is
# exported under its plain name; on Windows the DLL also carries its version resource and its
# own pure-virtual-call handler.
# cmake -DLIBRARY=... -DHEADERS=a.h;b.h -DEXPORTS_TOOL=... [-DNM=...] -P LibraryCheck.cmake
set(declarations)
foreach(header IN LISTS HEADERS)
    file(STRINGS ${header} found REGEX "KSMBIOS_CALL ksmbios_[a-z_]+\\(")
    if(NOT found)
        message(FATAL_ERROR "no declarations found in ${header}")
    endif()
    list(APPEND declarations ${found})
endforeach()
if(NM)
    execute_process(COMMAND ${EXPORTS_TOOL} -p ${LIBRARY} OUTPUT_VARIABLE exports
        COMMAND_ERROR_IS_FATAL ANY)
else()
    execute_process(COMMAND ${EXPORTS_TOOL} -D --defined-only ${LIBRARY} OUTPUT_VARIABLE exports
        COMMAND_ERROR_IS_FATAL ANY)
endif()
foreach(declaration IN LISTS declarations)
    string(REGEX MATCH "KSMBIOS_CALL ksmbios_[a-z_]+" name "${declaration}")
    string(REPLACE "KSMBIOS_CALL " "" name "${name}")
    if(name STREQUAL "")
        continue()  # the rest of a line that a ";" split
    endif()
    if(NOT exports MATCHES "[ \t]${name}\r?\n")
        message(FATAL_ERROR "${name} is not exported by ${LIBRARY}")
    endif()
endforeach()

if(NM)
    file(STRINGS ${LIBRARY} descriptions ENCODING UTF-16LE REGEX "^kelvo-shared-smbios: ")
    if(NOT descriptions)
        message(FATAL_ERROR "${LIBRARY} has no version resource description")
    endif()
    execute_process(COMMAND ${NM} ${LIBRARY} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    if(NOT symbols MATCHES " T __cxa_pure_virtual\r?\n")
        message(FATAL_ERROR "${LIBRARY} does not define its pure-virtual-call handler")
    endif()
endif()
list(LENGTH declarations count)
message(STATUS "${count} C functions exported")
