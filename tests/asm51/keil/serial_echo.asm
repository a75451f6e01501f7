$NOMOD51
#include <reg52.inc>
#include "serial_defs.inc"        // baud rate and buffer

/* The serial port at BAUD baud from Timer 1: a greeting, then every
   received byte goes back with a prompt after it. */

#if BAUD == 9600
#define TH1_VALUE   0FDH
#elif BAUD == 4800
#define TH1_VALUE   0FAH
#else
#error unsupported baud rate
#endif
#define PUT(c)      MOV A,c

        ORG     0
        LJMP    START
        ORG     0023H
        RETI

        ORG     0040H
START:  MOV     SCON,#50H
        MOV     TMOD,#20H
        MOV     TH1,#TH1_VALUE
        SETB    TR1
        MOV     DPTR,#GREETING
NEXT:   CLR     A
        MOVC    A,@A+DPTR
        JZ      ECHO
        ACALL   PUTC
        INC     DPTR
        SJMP    NEXT
ECHO:   JNB     RI,ECHO
        CLR     RI
        MOV     A,SBUF
        ACALL   PUTC
        PUT(#'>')
        ACALL   PUTC
        SJMP    ECHO

PUTC:   MOV     SBUF,A
        JNB     TI,$
        CLR     TI
        RET

GREETING:
        DB      'Ahoj // Keil', 13, 10, 0
        DB      BUF_SIZE, BUF_START + BUF_SIZE - 1
        END
