$NOMOD51
$INCLUDE (REG52.INC)
/*
 * The LED on P1.0 blinks from the Timer 2 interrupt; the button on P3.2
 * (INT0) stops it. Written as for Keil's tools: C comments and #define.
 */

#define LED         P1.0        // lit when low
#define TICKS       50          // interrupts per blink step
#define XTAL        11059200
#define RELOAD      (65536 - XTAL / 12 / 1000)
#define HI(x)       ((x) >> 8)
#define LO(x)       ((x) & 0FFH)
#define USE_TIMER2

COUNT   DATA    30H             // ticks left
FLAGS   DATA    31H

        ORG     0000H
        LJMP    MAIN
        ORG     0003H           /* INT0: the button */
        LJMP    BUTTON_ISR
        ORG     002BH           /* Timer 2 */
        LJMP    TIMER2_ISR

        ORG     0100H
MAIN:   MOV     SP,#5FH
        MOV     COUNT,#TICKS
        MOV     FLAGS,#0
#ifdef USE_TIMER2
        MOV     RCAP2H,#HI(RELOAD)
        MOV     RCAP2L,#LO(RELOAD)
        MOV     TH2,#HI(RELOAD)
        MOV     TL2,#LO(RELOAD)
        MOV     T2CON,#00H
        SETB    ET2
        SETB    TR2
#else
        MOV     TMOD,#01H
        SETB    ET0
        SETB    TR0
#endif
        SETB    IT0             // on the falling edge
        SETB    EX0
        SETB    EA
LOOP:   SJMP    LOOP

TIMER2_ISR:
        PUSH    ACC
        PUSH    PSW
        CLR     TF2             /* Timer 2 leaves its flag
                                   for the program to clear */
        DJNZ    COUNT,T2_DONE
        MOV     COUNT,#TICKS
        CPL     LED
T2_DONE:
        POP     PSW
        POP     ACC
        RETI

BUTTON_ISR:
#if TICKS > 10 && defined(USE_TIMER2)
        CLR     TR2
#elif TICKS > 10
        CLR     TR0
#else
        NOP
#endif
        SETB    LED
        RETI

        END
