; A stand-in emulator for the end-to-end tests: writes its command tail
; to ARGS.TXT in the current directory and exits.
        org 100h
        mov ah, 3Ch             ; create file
        xor cx, cx
        mov dx, fname
        int 21h
        jc done
        mov bx, ax
        mov ah, 40h             ; write the tail at PSP:81h, length at 80h
        xor ch, ch
        mov cl, [80h]
        mov dx, 81h
        int 21h
        mov ah, 3Eh             ; close
        int 21h
done:   mov ax, 4C00h
        int 21h
fname:  db "ARGS.TXT", 0
