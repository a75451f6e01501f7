; Ozvena po seriove lince 9600 Bd (krystal 11,0592 MHz).
$MOD51
CR      EQU     0DH
LF      EQU     0AH
        ORG     0
        LJMP    START
        ORG     30H
START:  MOV     SP,#2FH
        MOV     TMOD,#20H       ; casovac 1, rezim 2
        MOV     TH1,#0FDH
        MOV     SCON,#50H
        SETB    TR1
        MOV     DPTR,#VITEJ
        ACALL   PUTS
ECHO:   JNB     RI,$
        CLR     RI
        MOV     A,SBUF
        ACALL   PUTC
        CJNE    A,#CR,ECHO
        MOV     A,#LF
        ACALL   PUTC
        SJMP    ECHO
PUTC:   CLR     TI
        MOV     SBUF,A
        JNB     TI,$
        RET
PUTS:   CLR     A
        MOVC    A,@A+DPTR
        JZ      KONEC
        ACALL   PUTC
        INC     DPTR
        SJMP    PUTS
KONEC:  RET
VITEJ:  DB      'Ahoj, pis:', CR, LF, 0
        END
