# The form tandrel.dll ships in: optimised (the Windows presets build
# MinSizeRel), every function and datum in a section of its own so that the
# linker drops what nothing reaches, and its debug information moved into
# tandrel.dll.debug beside it, which the DLL names in .gnu_debuglink (gdb and
# winedbg find it there). A link map, tandrel.map, says what takes the room.
#
# The tests load the same stripped file the package carries: the split runs
# as part of the link, so nothing sees the DLL before it.

# tandrel_ship_module(<target>)
function(tandrel_ship_module target)
    target_link_options(${target} PRIVATE -Wl,--gc-sections
                        "-Wl,-Map=$<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>.map")
    set(module $<TARGET_FILE_NAME:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${module} ${module}.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-unneeded --add-gnu-debuglink=${module}.debug ${module}
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
        COMMENT "Moving the debug information of ${module} into ${module}.debug"
        VERBATIM)
endfunction()
