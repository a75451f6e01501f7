; Blinks an LED on P1.0 once a second from timer 0 at 12 MHz: 20 ticks of
; 50 ms. Written as a newcomer would: generic JMP and CALL, lower case,
; labels on lines of their own, segments for variables and flags.
$title(timer blinker)
reload  equ     65536-50000
ticks   equ     20

        bseg    at 0
toggle: dbit    1
        dseg    at 30h
count:  ds      1

        cseg    at 0
        jmp     start
        org     0bh
        jmp     timer0
        org     100h
timer0:
        mov     th0,#high reload
        mov     tl0,#low reload
        djnz    count,quiet
        mov     count,#ticks
        setb    toggle
quiet:
        reti
flip:
        cpl     p1.0
        push    ar7
        pop     ar7
        ret

start:
        mov     sp,#07h+8
        using   0
        mov     count,#ticks
        mov     tmod,#01h
        mov     th0,#high reload
        mov     tl0,#low reload
        setb    et0
        setb    ea
        setb    tr0
loop:
        jnb     toggle,loop
        clr     toggle
        call    flip
        jmp     loop
        end
