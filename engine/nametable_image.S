/* The bundled name table as an image (see tableimage.h), made from the name list at build
   time and embedded byte for byte into the read-only data of the program.
   QUILLORA_NAMETABLE_IMAGE is the image's path, set by the build. */
    .section .rodata
    .global quillora_nametable_image_begin
    .global quillora_nametable_image_end
    .balign 16
quillora_nametable_image_begin:
    .incbin QUILLORA_NAMETABLE_IMAGE
quillora_nametable_image_end:
    .byte 0
    .section .note.GNU-stack,"",@progbits
