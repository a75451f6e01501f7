; Stejne blikani, ale s jednou chybou: navesti CEKEJ neexistuje.
$MOD51
LED     BIT     P1.0
        ORG     0
START:  MOV     SP,#5FH
LOOP:   CPL     LED
        ACALL   CEKEJ
        SJMP    LOOP
DELAY:  MOV     R6,#250
D1:     MOV     R7,#250
        DJNZ    R7,$
        DJNZ    R6,D1
        RET
        END
