; Serial echo at 9600 Bd (11.0592 MHz): every received byte is sent back,
; upper-cased when it is a small letter, and a prompt greets the terminal.
$MOD51
CR      EQU     0DH
LF      EQU     0AH
RELOAD  EQU     0FDH
        ORG     0
        LJMP    START
        ORG     40H
START:  MOV     SP,#2FH
        MOV     TMOD,#20H
        MOV     TH1,#RELOAD
        MOV     TL1,#RELOAD
        MOV     SCON,#50H
        SETB    TR1
        MOV     DPTR,#HELLO
        LCALL   PUTS
ECHO:   LCALL   GETC
        CJNE    A,#'a',CHECK
CHECK:  JC      SEND
        CJNE    A,#'z'+1,LIMIT
LIMIT:  JNC     SEND
        ANL     A,#0DFH
SEND:   LCALL   PUTC
        CJNE    A,#CR,ECHO
        MOV     A,#LF
        LCALL   PUTC
        SJMP    ECHO
GETC:   JNB     RI,$
        CLR     RI
        MOV     A,SBUF
        RET
PUTC:   CLR     TI
        MOV     SBUF,A
        JNB     TI,$
        RET
PUTS:   CLR     A
        MOVC    A,@A+DPTR
        JZ      DONE
        ACALL   PUTC
        INC     DPTR
        SJMP    PUTS
DONE:   RET
HELLO:  DB      'Tamrill echo', CR, LF, '> ', 0
        END
