# The fuzzers' seed corpus, written at build time into DIR by the seed maker NAME (MakeSeeds.cpp)
# from the table builder and the captured tables: one folder per target, with the inputs that
# were once findings (regressions/). Used by the fuzz build and by the tests' replay of it.

function(kelvo_add_seed_corpus name dir)
    add_executable(${name} ${PROJECT_SOURCE_DIR}/fuzz/MakeSeeds.cpp)
    target_link_libraries(${name} PRIVATE kelvo-test-support)
    set(raw_targets smbios capi)
    if(TARGET kelvo-smbios-core)
        # The tool's writers of entry points and dumps, without the library a second time.
        set(tool ${PROJECT_SOURCE_DIR}/tools/kelvo-smbios)
        target_sources(${name} PRIVATE ${tool}/TableFile.cpp)
        target_include_directories(${name} PRIVATE ${tool})
        target_compile_definitions(${name} PRIVATE KELVO_SEEDS_WITH_TOOL=1)
        list(APPEND raw_targets output)
    endif()
    # Raw tables seed every target that reads one; the files target has its own.
    set(copy_raw)
    foreach(target IN LISTS raw_targets)
        list(APPEND copy_raw COMMAND ${CMAKE_COMMAND} -E copy_directory ${dir}/raw ${dir}/${target})
    endforeach()
    add_custom_command(OUTPUT ${dir}/stamp
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${dir}
        COMMAND ${name} ${dir} ${KELVO_CAPTURED_TABLES}
        ${copy_raw}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/fuzz/regressions ${dir}
        COMMAND ${CMAKE_COMMAND} -E touch ${dir}/stamp
        DEPENDS ${name}
        COMMENT "Writing the fuzz seed corpus")
    add_custom_target(${name}-corpus ALL DEPENDS ${dir}/stamp)
endfunction()
