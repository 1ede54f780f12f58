# pomelo_compress(<target> <input> <output>): a target of the default build that
# gzips input into output the way man and Debian want it: the most compression,
# and no name or time stamp inside, so that every build makes the same bytes.
find_program(GZIP gzip REQUIRED)

function(pomelo_compress target input output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP} -9 --no-name --stdout ${input} > ${output}
        DEPENDS ${input}
        COMMENT "Compressing ${output}")
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
