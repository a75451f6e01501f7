; Timer 0 interrupt counts milliseconds, timer 1 interrupt toggles a pin,
; external interrupt 0 resets the count. Register bank 1 serves the ISRs.
$MOD51
TICKS   DATA    30H
TICKSH  DATA    31H
PIN     BIT     P3.4
BUSY    BIT     21H.2
T0LOAD  EQU     0FC18H          ; 65536 - 1000
        ORG     0
        LJMP    INIT
        ORG     3
        LJMP    EXT0
        ORG     0BH
        LJMP    T0ISR
        ORG     1BH
        LJMP    T1ISR
        ORG     50H
INIT:   MOV     SP,#60H
        MOV     TMOD,#11H
        MOV     TH0,#T0LOAD/256
        MOV     TL0,#T0LOAD-T0LOAD/256*256
        MOV     TICKS,#0
        MOV     TICKSH,#0
        SETB    IT0
        SETB    ET0
        SETB    ET1
        SETB    EX0
        SETB    PT0
        SETB    TR0
        SETB    TR1
        SETB    EA
IDLE:   ORL     PCON,#1
        SJMP    IDLE
T0ISR:  PUSH    PSW
        PUSH    ACC
        SETB    RS0
        MOV     TH0,#T0LOAD/256
        MOV     TL0,#T0LOAD-T0LOAD/256*256
        INC     TICKS
        MOV     A,TICKS
        JNZ     T0DONE
        INC     TICKSH
T0DONE: POP     ACC
        POP     PSW
        RETI
T1ISR:  CPL     PIN
        JBC     BUSY,T1DONE
        SETB    BUSY
T1DONE: RETI
EXT0:   MOV     TICKS,#0
        MOV     TICKSH,#0
        ANL     C,/PIN
        ORL     C,BUSY
        MOV     F0,C
        RETI
        END
