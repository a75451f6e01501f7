; UART echo at 9600 baud (11.0592 MHz): what comes in goes back out,
; upper-cased, through a small ring buffer filled by the serial interrupt.
$NOMOD51

$TITLE(UART echo)

SP      DATA    81H
ACC     DATA    0E0H
PSW     DATA    0D0H
SCON    DATA    98H
SBUF    DATA    99H
TMOD    DATA    89H
TH1     DATA    8DH
TCON    DATA    88H
IE      DATA    0A8H
RI      BIT     98H
TI      BIT     99H
TR1     BIT     8EH
ES      BIT     0ACH
EA      BIT     0AFH

BUFSIZE EQU     8

; Saves and restores the registers an interrupt routine uses.
SAVE    MACRO
        PUSH    ACC
        PUSH    PSW
        ENDM
RESTORE MACRO
        POP     PSW
        POP     ACC
        ENDM
; Waits until the transmitter is free, then sends A.
SEND    MACRO
        LOCAL   BUSY
BUSY:   JNB     TI,BUSY
        CLR     TI
        MOV     SBUF,A
        ENDM

        DSEG    AT 30H
HEAD:   DS      1
TAIL:   DS      1
RING:   DS      BUFSIZE

        CSEG    AT 0
        LJMP    START
        ORG     23H
        LJMP    SERIAL

        ORG     40H
START:  MOV     SP,#RING+BUFSIZE-1
        MOV     HEAD,#0
        MOV     TAIL,#0
        MOV     TMOD,#20H
        MOV     TH1,#0FDH
        MOV     SCON,#50H
        SETB    TR1
        SETB    TI
        SETB    ES
        SETB    EA
MAIN:   MOV     A,HEAD
        CJNE    A,TAIL,TAKE
        SJMP    MAIN
TAKE:   ADD     A,#RING
        MOV     R0,A
        MOV     A,@R0
        CALL    UPCASE
        SEND
        MOV     A,HEAD
        INC     A
        ANL     A,#BUFSIZE-1
        MOV     HEAD,A
        JMP     MAIN

UPCASE: CJNE    A,#'a',$+3
        JC      DONE
        CJNE    A,#'z'+1,$+3
        JNC     DONE
        ADD     A,#'A'-'a'
DONE:   RET

SERIAL: SAVE
        JNB     RI,LEAVE
        CLR     RI
        MOV     A,TAIL
        ADD     A,#RING
        MOV     R1,A
        MOV     @R1,SBUF
        MOV     A,TAIL
        INC     A
        ANL     A,#BUFSIZE-1
        MOV     TAIL,A
LEAVE:  RESTORE
        RETI
        END
