@ Entry points of the exports. The CE compilers keep the stack 4-byte
@ aligned at calls; the code here (newlib's formatted print of a double
@ among it) is compiled for the 8 bytes that the ARM procedure call
@ standard promises. Each entry aligns the stack, copies the arguments
@ passed on it and calls the export's code.
    .syntax unified
    .arm
    .text

#if __ARM_ARCH >= 5 || defined(__ARM_ARCH_4T__)
#define RETURN bx lr
#else
#define RETURN mov pc, lr
#endif

.macro ALIGNED_ENTRY name, stack_words
    .section .text.rilo_aligned_\name, "ax", %progbits
    .balign 4
    .global rilo_aligned_\name
    .type rilo_aligned_\name, %function
rilo_aligned_\name:
    stmfd sp!, {r4, r5, lr}
    mov r4, sp
    sub sp, sp, #(\stack_words * 4)
    bic sp, sp, #7
    .set word, 0
    .rept \stack_words
    ldr r5, [r4, #(12 + word * 4)]
    str r5, [sp, #(word * 4)]
    .set word, word + 1
    .endr
    bl \name
    mov sp, r4
    ldmfd sp!, {r4, r5, lr}
    RETURN
    .size rilo_aligned_\name, . - rilo_aligned_\name
.endm

    ALIGNED_ENTRY do_prorate, 0
    ALIGNED_ENTRY ProrateEx, 6
    ALIGNED_ENTRY rilo_short_inq, 0
    ALIGNED_ENTRY rilo_display, 0
    ALIGNED_ENTRY rilo_list_input, 2
    ALIGNED_ENTRY rilo_gst_select, 2
