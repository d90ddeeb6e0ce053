# SPDX-License-Identifier: MIT
# Run by CPack on the staged files before it packs them: CPACK_STRIP_FILES
# leaves the compilers' .comment notes in the programs, which Debian's own
# package builds remove (lintian's binary-has-unneeded-section).
file(GLOB programs ${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*)
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_OBJCOPY}" --remove-section=.comment --remove-section=.note
                            "${program}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "objcopy could not clean ${program}")
    endif()
endforeach()
