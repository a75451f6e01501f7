; Four-digit 7-segment display, multiplexed from a timer interrupt; the
; digits come from a lookup table. COMMON_ANODE picks the wiring.
$TITLE(7-segment multiplex)
COMMON_ANODE    EQU     1
DIGITS          EQU     4

        ORG     0
        JMP     INIT
        ORG     0BH
        JMP     TICK

        DSEG    AT 40H
SHOWN:  DS      DIGITS          ; one value 0..15 per digit
WHICH:  DS      1

        CSEG    AT 30H
INIT:   MOV     SP,#5FH
        MOV     R0,#SHOWN
        MOV     R7,#DIGITS
CLEAR:  MOV     @R0,#0
        INC     R0
        DJNZ    R7,CLEAR
        MOV     SHOWN+1,#1
        MOV     SHOWN+2,#0AH
        MOV     SHOWN+3,#0FH
        MOV     WHICH,#0
        MOV     TMOD,#01H
        SETB    ET0
        SETB    EA
        SETB    TR0
IDLE:   SJMP    IDLE

TICK:   PUSH    ACC
        PUSH    PSW
        MOV     TH0,#HIGH(65536-2000)
        MOV     TL0,#LOW(65536-2000)
    IF COMMON_ANODE
        MOV     P2,#0FFH        ; all digits off
    ELSE
        MOV     P2,#00H
    ENDIF
        MOV     A,WHICH
        ADD     A,#SHOWN
        MOV     R1,A
        MOV     A,@R1
        MOV     DPTR,#SEGMENTS
        MOVC    A,@A+DPTR
        MOV     P0,A
        MOV     A,WHICH
        MOV     DPTR,#ENABLES
        MOVC    A,@A+DPTR
        MOV     P2,A
        INC     WHICH
        MOV     A,WHICH
        CJNE    A,#DIGITS,KEEP
        MOV     WHICH,#0
KEEP:   POP     PSW
        POP     ACC
        RETI

; Segment patterns gfedcba for 0..F.
SEGMENTS:
    IF COMMON_ANODE
        DB      NOT 3FH AND 0FFH, NOT 06H AND 0FFH, NOT 5BH AND 0FFH, NOT 4FH AND 0FFH
        DB      NOT 66H AND 0FFH, NOT 6DH AND 0FFH, NOT 7DH AND 0FFH, NOT 07H AND 0FFH
        DB      NOT 7FH AND 0FFH, NOT 6FH AND 0FFH, NOT 77H AND 0FFH, NOT 7CH AND 0FFH
        DB      NOT 39H AND 0FFH, NOT 5EH AND 0FFH, NOT 79H AND 0FFH, NOT 71H AND 0FFH
    ELSE
        DB      3FH, 06H, 5BH, 4FH, 66H, 6DH, 7DH, 07H
        DB      7FH, 6FH, 77H, 7CH, 39H, 5EH, 79H, 71H
    ENDIF
ENABLES:
N       SET     0
        REPT    DIGITS
    IF COMMON_ANODE
        DB      NOT (1 SHL N) AND 0FFH
    ELSE
        DB      1 SHL N
    ENDIF
N       SET     N+1
        ENDM
        END
