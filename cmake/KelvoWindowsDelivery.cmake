# What a Windows delivery of a DLL needs beyond the mingw build: a version resource, symbols
# stripped from optimized builds, and for the C interface an import library in Microsoft's format
# so that MSVC and clang-cl hosts can link it.

# Adds a version resource to the DLL `target` (file name `file`) with `description`.
function(kelvo_add_version_resource target file description)
    set(KELVO_RC_NAME ${target})
    set(KELVO_RC_FILE ${file})
    set(KELVO_RC_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # Optimized builds ship without symbols.
    target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endfunction()

# Writes a module-definition file listing every function that the headers `header` (a list)
# declare with KSMBIOS_CALL, and makes `lib` from it with llvm-dlltool (target `target`-msvc-lib, built by
# default).
function(kelvo_add_msvc_import_library target header dll lib)
    find_program(KELVO_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14)
    if(NOT KELVO_DLLTOOL)
        message(STATUS "llvm-dlltool not found: no MSVC import library")
        return()
    endif()
    set(declarations)
    foreach(file IN LISTS header)
        file(STRINGS ${file} found REGEX "KSMBIOS_CALL ksmbios_[a-z_]+\\(")
        list(APPEND declarations ${found})
    endforeach()
    set(def "LIBRARY ${dll}\nEXPORTS\n")
    foreach(declaration IN LISTS declarations)
        string(REGEX MATCH "KSMBIOS_CALL ksmbios_[a-z_]+" name "${declaration}")
        string(REPLACE "KSMBIOS_CALL " "" name "${name}")
        string(APPEND def "    ${name}\n")
    endforeach()
    set(def_file ${CMAKE_CURRENT_BINARY_DIR}/kelvo-shared-smbios-c.def)
    file(GENERATE OUTPUT ${def_file} CONTENT "${def}")
    add_custom_command(OUTPUT ${lib}
        COMMAND ${KELVO_DLLTOOL} -m i386:x86-64 -d ${def_file} -D ${dll} -l ${lib}
        DEPENDS ${def_file} ${target}
        COMMENT "Writing the MSVC import library ${lib}")
    add_custom_target(${target}-msvc-lib ALL DEPENDS ${lib})
    set_property(TARGET ${target} PROPERTY KELVO_MSVC_IMPORT_LIBRARY ${lib})
    set_property(TARGET ${target} PROPERTY KELVO_C_DEF_FILE ${def_file})
endfunction()
