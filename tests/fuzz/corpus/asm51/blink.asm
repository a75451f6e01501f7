; Running light on port 1 with a software delay.
$MOD51
LEDS    DATA    P1
DIR     BIT     20H.0
        ORG     0
        LJMP    MAIN
        ORG     30H
MAIN:   MOV     SP,#5FH
        MOV     A,#01H
        CLR     DIR
NEXT:   CPL     A
        MOV     LEDS,A
        CPL     A
        ACALL   DELAY
        JB      DIR,DOWN
UP:     RL      A
        JNB     ACC.7,NEXT
        SETB    DIR
        SJMP    NEXT
DOWN:   RR      A
        JNB     ACC.0,NEXT
        CLR     DIR
        AJMP    NEXT
; about 0.13 s at 12 MHz
DELAY:  PUSH    ACC
        MOV     R7,#0FFH
OUTER:  MOV     R6,#0FFH
INNER:  DJNZ    R6,INNER
        DJNZ    R7,OUTER
        POP     ACC
        RET
        END
