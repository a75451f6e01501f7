; Blikani LED na P1.0 s programovym zpozdenim (krystal 12 MHz).
$MOD51
LED     BIT     P1.0
        ORG     0
START:  MOV     SP,#5FH
LOOP:   CPL     LED
        ACALL   DELAY
        SJMP    LOOP
; zhruba 0,25 s: 2 x 250 x 250 pruchodu
DELAY:  MOV     R5,#2
D1:     MOV     R6,#250
D2:     MOV     R7,#250
        DJNZ    R7,$
        DJNZ    R6,D2
        DJNZ    R5,D1
        RET
        END
