// The common path of the lazy stubs (see LazyLink.cmake): a stub's first call lands here
// with the library's descriptor in r10 and the function's number in r11; the arguments are
// kept while MvLazyBind loads the library and finds the function, which is then jumped to.
    .text
    .globl MvLazyResolve
    .hidden MvLazyResolve
    .type MvLazyResolve, @function
MvLazyResolve:
    .cfi_startproc
    push %rdi
    push %rsi
    push %rdx
    push %rcx
    push %r8
    push %r9
    push %rax
    sub $128, %rsp
    .cfi_adjust_cfa_offset 184
    movdqu %xmm0, 0(%rsp)
    movdqu %xmm1, 16(%rsp)
    movdqu %xmm2, 32(%rsp)
    movdqu %xmm3, 48(%rsp)
    movdqu %xmm4, 64(%rsp)
    movdqu %xmm5, 80(%rsp)
    movdqu %xmm6, 96(%rsp)
    movdqu %xmm7, 112(%rsp)
    mov %r10, %rdi
    mov %r11d, %esi
    call MvLazyBind
    mov %rax, %r11
    movdqu 0(%rsp), %xmm0
    movdqu 16(%rsp), %xmm1
    movdqu 32(%rsp), %xmm2
    movdqu 48(%rsp), %xmm3
    movdqu 64(%rsp), %xmm4
    movdqu 80(%rsp), %xmm5
    movdqu 96(%rsp), %xmm6
    movdqu 112(%rsp), %xmm7
    add $128, %rsp
    pop %rax
    pop %r9
    pop %r8
    pop %rcx
    pop %rdx
    pop %rsi
    pop %rdi
    .cfi_adjust_cfa_offset -184
    jmp *%r11
    .cfi_endproc
    .size MvLazyResolve, .-MvLazyResolve
    .section .note.GNU-stack,"",@progbits
