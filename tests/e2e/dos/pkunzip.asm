; A stand-in unpacker for the end-to-end tests, called as
;   PKUNZIP <archive> <folder\>
; It copies the archive's bytes into <folder> under the archive's base
; name with the extension "UNP", which the launch file then renames.
        org 100h
        cld
        mov si, 81h
        call skipblanks
        mov di, src             ; first word: the archive path
        call copyword
        call skipblanks
        mov di, dst             ; second word: the target folder
        call copyword
        dec di                  ; di -> the terminating zero
        ; append the archive's base name (after its last backslash)
        mov si, src
        mov bx, src
find:   lodsb
        or al, al
        jz found
        cmp al, '\'
        jne find
        mov bx, si
        jmp find
found:  mov si, bx
name:   lodsb
        cmp al, '.'
        je ext
        or al, al
        jz ext
        stosb
        jmp name
ext:    mov al, '.'
        stosb
        mov ax, 'UN'
        stosw
        mov ax, 'P'
        stosw                   ; "P" and the terminating zero
        ; copy the file in 512-byte blocks
        mov ax, 3D00h
        mov dx, src
        int 21h
        jc fail
        mov [hin], ax
        mov ah, 3Ch
        xor cx, cx
        mov dx, dst
        int 21h
        jc fail
        mov [hout], ax
copy:   mov ah, 3Fh
        mov bx, [hin]
        mov cx, 512
        mov dx, buf
        int 21h
        jc fail
        or ax, ax
        jz close
        mov cx, ax
        mov ah, 40h
        mov bx, [hout]
        mov dx, buf
        int 21h
        jmp copy
close:  mov ah, 3Eh
        mov bx, [hin]
        int 21h
        mov ah, 3Eh
        mov bx, [hout]
        int 21h
        mov ax, 4C00h
        int 21h
fail:   mov ax, 4C01h
        int 21h

skipblanks:
        cmp byte [si], ' '
        jne .out
        inc si
        jmp skipblanks
.out:   ret

copyword:                       ; copies up to a blank or CR, adds a zero
        lodsb
        cmp al, ' '
        je .end
        cmp al, 13
        je .end
        stosb
        jmp copyword
.end:   xor al, al
        stosb
        ret

hin:    dw 0
hout:   dw 0
src:    times 128 db 0
dst:    times 128 db 0
buf:    times 512 db 0
