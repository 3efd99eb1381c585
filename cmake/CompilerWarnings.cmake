# quillora_set_warnings(<target>): the warning set every target of ours is built with.
function(quillora_set_warnings target)
    target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
                                  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual>)
    if(QUILLORA_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Werror>)
    endif()
endfunction()
