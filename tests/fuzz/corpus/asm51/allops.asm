; Every 8051 opcode in its operand forms, with several operand values.
$MOD51
COUNT   EQU     21
        ORG     0
B000:
        NOP     
        AJMP    B000
        LJMP    TABLE
        LJMP    FARAWAY
        LJMP    1234H
        RR      A
        INC     A
        INC     SBUF
        INC     30H
        INC     7FH
        INC     @R0
        INC     @R1
B001:
        INC     R0
        INC     R1
        INC     R2
        INC     R3
        INC     R4
        INC     R5
        INC     R6
        INC     R7
        JBC     20H.0,B001
        JBC     2FH.7,B002
        JBC     P1.3,B001
        ACALL   B001
B002:
        LCALL   FARAWAY
        LCALL   1234H
        LCALL   TABLE
        RRC     A
        DEC     A
        DEC     ACC
        DEC     0FFH
        DEC     SBUF
        DEC     @R0
        DEC     @R1
        DEC     R0
        DEC     R1
B003:
        DEC     R2
        DEC     R3
        DEC     R4
        DEC     R5
        DEC     R6
        DEC     R7
        JB      20H.0,B003
        JB      2FH.7,B004
        JB      P1.3,B003
        RET     
        RL      A
        ADD     A,#0FFH
B004:
        ADD     A,#'Z'
        ADD     A,#-2
        ADD     A,ACC
        ADD     A,0FFH
        ADD     A,SBUF
        ADD     A,@R0
        ADD     A,@R1
        ADD     A,R0
        ADD     A,R1
        ADD     A,R2
        ADD     A,R3
        ADD     A,R4
B005:
        ADD     A,R5
        ADD     A,R6
        ADD     A,R7
        JNB     20H.0,B005
        JNB     2FH.7,B006
        JNB     P1.3,B005
        RETI    
        RLC     A
        ADDC    A,#0
        ADDC    A,#55H
        ADDC    A,#0FFH
        ADDC    A,7FH
B006:
        ADDC    A,P1
        ADDC    A,ACC
        ADDC    A,@R0
        ADDC    A,@R1
        ADDC    A,R0
        ADDC    A,R1
        ADDC    A,R2
        ADDC    A,R3
        ADDC    A,R4
        ADDC    A,R5
        ADDC    A,R6
        ADDC    A,R7
B007:
        JC      B007
        JC      B008
        JC      B007
        ORL     30H,A
        ORL     7FH,A
        ORL     P1,A
        ORL     7FH,#10101010B
        ORL     P1,#17O
        ORL     ACC,#99D
        ORL     A,#17O
        ORL     A,#99D
        ORL     A,#0
B008:
        ORL     A,SBUF
        ORL     A,30H
        ORL     A,7FH
        ORL     A,@R0
        ORL     A,@R1
        ORL     A,R0
        ORL     A,R1
        ORL     A,R2
        ORL     A,R3
        ORL     A,R4
        ORL     A,R5
        ORL     A,R6
B009:
        ORL     A,R7
        JNC     B009
        JNC     B010
        JNC     B009
        ANL     0FFH,A
        ANL     SBUF,A
        ANL     30H,A
        ANL     SBUF,#-2
        ANL     30H,#COUNT*2+1
        ANL     7FH,#10101010B
        ANL     A,#COUNT*2+1
        ANL     A,#10101010B
B010:
        ANL     A,#17O
        ANL     A,ACC
        ANL     A,0FFH
        ANL     A,SBUF
        ANL     A,@R0
        ANL     A,@R1
        ANL     A,R0
        ANL     A,R1
        ANL     A,R2
        ANL     A,R3
        ANL     A,R4
        ANL     A,R5
B011:
        ANL     A,R6
        ANL     A,R7
        JZ      B011
        JZ      B012
        JZ      B011
        XRL     P1,A
        XRL     ACC,A
        XRL     0FFH,A
        XRL     ACC,#0FFH
        XRL     0FFH,#'Z'
        XRL     SBUF,#-2
        XRL     A,#'Z'
B012:
        XRL     A,#-2
        XRL     A,#COUNT*2+1
        XRL     A,7FH
        XRL     A,P1
        XRL     A,ACC
        XRL     A,@R0
        XRL     A,@R1
        XRL     A,R0
        XRL     A,R1
        XRL     A,R2
        XRL     A,R3
        XRL     A,R4
B013:
        XRL     A,R5
        XRL     A,R6
        XRL     A,R7
        JNZ     B013
        JNZ     B014
        JNZ     B013
        ORL     C,7FH
        ORL     C,EA
        ORL     C,CY
        JMP     @A+DPTR
        MOV     A,#55H
        MOV     A,#0FFH
B014:
        MOV     A,#'Z'
        MOV     ACC,#0FFH
        MOV     0FFH,#'Z'
        MOV     SBUF,#-2
        MOV     @R0,#'Z'
        MOV     @R0,#-2
        MOV     @R0,#COUNT*2+1
        MOV     @R1,#-2
        MOV     @R1,#COUNT*2+1
        MOV     @R1,#10101010B
        MOV     R0,#COUNT*2+1
        MOV     R0,#10101010B
B015:
        MOV     R0,#17O
        MOV     R1,#10101010B
        MOV     R1,#17O
        MOV     R1,#99D
        MOV     R2,#17O
        MOV     R2,#99D
        MOV     R2,#0
        MOV     R3,#99D
        MOV     R3,#0
        MOV     R3,#55H
        MOV     R4,#0
        MOV     R4,#55H
B016:
        MOV     R4,#0FFH
        MOV     R5,#55H
        MOV     R5,#0FFH
        MOV     R5,#'Z'
        MOV     R6,#0FFH
        MOV     R6,#'Z'
        MOV     R6,#-2
        MOV     R7,#'Z'
        MOV     R7,#-2
        MOV     R7,#COUNT*2+1
        SJMP    B016
        SJMP    B017
B017:
        SJMP    B017
        ANL     C,7FH
        ANL     C,EA
        ANL     C,CY
        MOVC    A,@A+PC
        DIV     AB
        MOV     7FH,ACC
        MOV     P1,0FFH
        MOV     ACC,SBUF
        MOV     P1,@R0
        MOV     ACC,@R0
        MOV     0FFH,@R0
B018:
        MOV     ACC,@R1
        MOV     0FFH,@R1
        MOV     SBUF,@R1
        MOV     0FFH,R0
        MOV     SBUF,R0
        MOV     30H,R0
        MOV     SBUF,R1
        MOV     30H,R1
        MOV     7FH,R1
        MOV     30H,R2
        MOV     7FH,R2
        MOV     P1,R2
B019:
        MOV     7FH,R3
        MOV     P1,R3
        MOV     ACC,R3
        MOV     P1,R4
        MOV     ACC,R4
        MOV     0FFH,R4
        MOV     ACC,R5
        MOV     0FFH,R5
        MOV     SBUF,R5
        MOV     0FFH,R6
        MOV     SBUF,R6
        MOV     30H,R6
B020:
        MOV     SBUF,R7
        MOV     30H,R7
        MOV     7FH,R7
        MOV     DPTR,#0FFFFH
        MOV     DPTR,#1234H
        MOV     DPTR,#TABLE
        MOV     P1.3,C
        MOV     ACC.7,C
        MOV     7FH,C
        MOVC    A,@A+DPTR
        SUBB    A,#10101010B
        SUBB    A,#17O
B021:
        SUBB    A,#99D
        SUBB    A,7FH
        SUBB    A,P1
        SUBB    A,ACC
        SUBB    A,@R0
        SUBB    A,@R1
        SUBB    A,R0
        SUBB    A,R1
        SUBB    A,R2
        SUBB    A,R3
        SUBB    A,R4
        SUBB    A,R5
B022:
        SUBB    A,R6
        SUBB    A,R7
        ORL     C,/ACC.0
        ORL     C,/OV
        ORL     C,/20H.5
        MOV     C,7FH
        MOV     C,EA
        MOV     C,CY
        INC     DPTR
        MUL     AB
        MOV     @R0,30H
        MOV     @R0,7FH
B023:
        MOV     @R0,P1
        MOV     @R1,7FH
        MOV     @R1,P1
        MOV     @R1,ACC
        MOV     R0,P1
        MOV     R0,ACC
        MOV     R0,0FFH
        MOV     R1,ACC
        MOV     R1,0FFH
        MOV     R1,SBUF
        MOV     R2,0FFH
        MOV     R2,SBUF
B024:
        MOV     R2,30H
        MOV     R3,SBUF
        MOV     R3,30H
        MOV     R3,7FH
        MOV     R4,30H
        MOV     R4,7FH
        MOV     R4,P1
        MOV     R5,7FH
        MOV     R5,P1
        MOV     R5,ACC
        MOV     R6,P1
        MOV     R6,ACC
B025:
        MOV     R6,0FFH
        MOV     R7,ACC
        MOV     R7,0FFH
        MOV     R7,SBUF
        ANL     C,/ACC.0
        ANL     C,/OV
        ANL     C,/20H.5
        CPL     P1.3
        CPL     ACC.7
        CPL     7FH
        CPL     C
        CJNE    A,#0FFH,B025
B026:
        CJNE    A,#'Z',B027
        CJNE    A,#-2,B026
        CJNE    A,ACC,B026
        CJNE    A,0FFH,B027
        CJNE    A,SBUF,B026
        CJNE    @R0,#-2,B026
        CJNE    @R0,#COUNT*2+1,B027
        CJNE    @R0,#10101010B,B026
        CJNE    @R1,#COUNT*2+1,B026
        CJNE    @R1,#10101010B,B027
        CJNE    @R1,#17O,B026
        CJNE    R0,#10101010B,B026
B027:
        CJNE    R0,#17O,B028
        CJNE    R0,#99D,B027
        CJNE    R1,#17O,B027
        CJNE    R1,#99D,B028
        CJNE    R1,#0,B027
        CJNE    R2,#99D,B027
        CJNE    R2,#0,B028
        CJNE    R2,#55H,B027
        CJNE    R3,#0,B027
        CJNE    R3,#55H,B028
        CJNE    R3,#0FFH,B027
        CJNE    R4,#55H,B027
B028:
        CJNE    R4,#0FFH,B029
        CJNE    R4,#'Z',B028
        CJNE    R5,#0FFH,B028
        CJNE    R5,#'Z',B029
        CJNE    R5,#-2,B028
        CJNE    R6,#'Z',B028
        CJNE    R6,#-2,B029
        CJNE    R6,#COUNT*2+1,B028
        CJNE    R7,#-2,B028
        CJNE    R7,#COUNT*2+1,B029
        CJNE    R7,#10101010B,B028
        PUSH    30H
B029:
        PUSH    7FH
        PUSH    P1
        CLR     P1.3
        CLR     ACC.7
        CLR     7FH
        CLR     C
        SWAP    A
        XCH     A,7FH
        XCH     A,P1
        XCH     A,ACC
        XCH     A,@R0
        XCH     A,@R1
B030:
        XCH     A,R0
        XCH     A,R1
        XCH     A,R2
        XCH     A,R3
        XCH     A,R4
        XCH     A,R5
        XCH     A,R6
        XCH     A,R7
        POP     0FFH
        POP     SBUF
        POP     30H
        SETB    P1.3
B031:
        SETB    ACC.7
        SETB    7FH
        SETB    C
        DA      A
        DJNZ    ACC,B031
        DJNZ    0FFH,B032
        DJNZ    SBUF,B031
        XCHD    A,@R0
        XCHD    A,@R1
        DJNZ    R0,B031
        DJNZ    R0,B032
        DJNZ    R0,B031
B032:
        DJNZ    R1,B032
        DJNZ    R1,B033
        DJNZ    R1,B032
        DJNZ    R2,B032
        DJNZ    R2,B033
        DJNZ    R2,B032
        DJNZ    R3,B032
        DJNZ    R3,B033
        DJNZ    R3,B032
        DJNZ    R4,B032
        DJNZ    R4,B033
        DJNZ    R4,B032
B033:
        DJNZ    R5,B033
        DJNZ    R5,B034
        DJNZ    R5,B033
        DJNZ    R6,B033
        DJNZ    R6,B034
        DJNZ    R6,B033
        DJNZ    R7,B033
        DJNZ    R7,B034
        DJNZ    R7,B033
        MOVX    A,@DPTR
        MOVX    A,@R0
        MOVX    A,@R1
B034:
        CLR     A
        MOV     A,ACC
        MOV     A,0FFH
        MOV     A,SBUF
        MOV     A,@R0
        MOV     A,@R1
        MOV     A,R0
        MOV     A,R1
        MOV     A,R2
        MOV     A,R3
        MOV     A,R4
        MOV     A,R5
B035:
        MOV     A,R6
        MOV     A,R7
        MOVX    @DPTR,A
        MOVX    @R0,A
        MOVX    @R1,A
        CPL     A
        MOV     SBUF,A
        MOV     30H,A
        MOV     7FH,A
        MOV     @R0,A
        MOV     @R1,A
        MOV     R0,A
B036:
        MOV     R1,A
        MOV     R2,A
        MOV     R3,A
        MOV     R4,A
        MOV     R5,A
        MOV     R6,A
        MOV     R7,A
B037:
TABLE:  DB      1, 2, 3, 'ABC', 0FFH
        DW      TABLE, 0BEEFH
        ORG     400H
P0TOP:  AJMP    P0END
        ACALL   P0TOP
P0END:  NOP
        ORG     0C00H
P1TOP:  AJMP    P1END
        ACALL   P1TOP
P1END:  NOP
        ORG     1400H
P2TOP:  AJMP    P2END
        ACALL   P2TOP
P2END:  NOP
        ORG     1C00H
P3TOP:  AJMP    P3END
        ACALL   P3TOP
P3END:  NOP
        ORG     2400H
P4TOP:  AJMP    P4END
        ACALL   P4TOP
P4END:  NOP
        ORG     2C00H
P5TOP:  AJMP    P5END
        ACALL   P5TOP
P5END:  NOP
        ORG     3400H
P6TOP:  AJMP    P6END
        ACALL   P6TOP
P6END:  NOP
        ORG     3C00H
P7TOP:  AJMP    P7END
        ACALL   P7TOP
P7END:  NOP
        ORG     7000H
FARAWAY: RET
        END
