set (QYR_BINARY_TO_HEADER "${CMAKE_CURRENT_LIST_DIR}/BinaryToHeader.cmake")

# qyr_embed_file (<input> <output header> <array name>)
# Writes <output header> at build time with the bytes of <input> as a static array.
function (qyr_embed_file input output arrayName)
    add_custom_command (OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" -DINPUT=${input} -DOUTPUT=${output} -DNAME=${arrayName}
                -P "${QYR_BINARY_TO_HEADER}"
        DEPENDS "${input}" "${QYR_BINARY_TO_HEADER}"
        COMMENT "Embedding ${input}"
        VERBATIM)
endfunction()
