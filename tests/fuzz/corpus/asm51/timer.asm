; Preruseni od casovace 0 kazdou milisekundu, po 500 prerusenich
; se zmeni stav LED (krystal 12 MHz).
$MOD51
LED     BIT     P1.0
RELOAD  EQU     0-1000
        DSEG    AT 30H
POCET:  DS      2
        CSEG    AT 0
        LJMP    START
        ORG     0BH
        LJMP    T0ISR
        ORG     40H
START:  MOV     SP,#5FH
        MOV     TMOD,#01H
        MOV     TH0,#HIGH RELOAD
        MOV     TL0,#LOW RELOAD
        MOV     POCET,#LOW 500
        MOV     POCET+1,#HIGH 500
        SETB    ET0
        SETB    EA
        SETB    TR0
        SJMP    $
T0ISR:  PUSH    PSW
        PUSH    ACC
        MOV     TH0,#HIGH RELOAD
        MOV     TL0,#LOW RELOAD
        DJNZ    POCET,HOTOVO
        DJNZ    POCET+1,HOTOVO
        CPL     LED
        MOV     POCET,#LOW 500
        MOV     POCET+1,#HIGH 500
HOTOVO: POP     ACC
        POP     PSW
        RETI
        END
