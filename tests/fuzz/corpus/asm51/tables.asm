; Lookup tables: seven-segment digits through MOVC A,@A+DPTR and @A+PC,
; a jump table through JMP @A+DPTR, and a word table of addresses.
$MOD51
SEG     DATA    P2
BUF     DATA    40H
        ORG     0
        SJMP    MAIN
        ORG     20H
MAIN:   MOV     R0,#BUF
        MOV     R2,#10
        CLR     A
FILL:   MOV     R3,A
        LCALL   TOSEG
        MOV     @R0,A
        INC     R0
        MOV     A,R3
        INC     A
        DJNZ    R2,FILL
        MOV     A,#3
        LCALL   SQUARE
        MOV     SEG,A
        MOV     A,#2
        RL      A
        MOV     DPTR,#JUMPS
        JMP     @A+DPTR
JUMPS:  AJMP    CASE0
        AJMP    CASE1
        AJMP    CASE2
CASE0:  MOV     A,#0
        SJMP    STORE
CASE1:  MOV     A,#1
        SJMP    STORE
CASE2:  MOV     A,#2
STORE:  MOV     B,A
        MOV     DPTR,#ROUTES
        MOVC    A,@A+DPTR
        MOV     R4,A
        MOV     A,B
        INC     A
        MOVC    A,@A+DPTR
        MOV     R5,A
        SJMP    $
TOSEG:  MOV     DPTR,#DIGITS
        MOVC    A,@A+DPTR
        RET
; the table follows the RET, so the offset skips the one byte between
SQUARE: INC     A
        MOVC    A,@A+PC
        RET
        DB      0, 1, 4, 9, 16, 25, 36, 49, 64, 81
DIGITS: DB      3FH, 06H, 5BH, 4FH, 66H, 6DH, 7DH, 07H, 7FH, 6FH
ROUTES: DW      CASE0, CASE1, CASE2, TOSEG
TEXT:   DB      'Lookup', 0
        DS      4
LAST:   DB      0AAH
        END
