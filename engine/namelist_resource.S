/* The name list, embedded byte for byte into the read-only data of the program.
   QUILLORA_NAMELIST_FILE is the list's path, set by the build. */
    .section .rodata
    .global quillora_namelist_begin
    .global quillora_namelist_end
    .balign 16
quillora_namelist_begin:
    .incbin QUILLORA_NAMELIST_FILE
quillora_namelist_end:
    .byte 0
    .section .note.GNU-stack,"",@progbits
