; Prevod cislice 0-9 na kod sedmisegmentoveho displeje tabulkou.
$MOD51
DISP    DATA    P2
        ORG     0
        MOV     R2,#0
DALSI:  MOV     A,R2
        MOV     DPTR,#SEGM
        MOVC    A,@A+DPTR
        MOV     DISP,A
        INC     R2
        CJNE    R2,#10,DALSI
        SJMP    $
SEGM:   DB      3FH, 06H, 5BH, 4FH, 66H, 6DH, 7DH, 07H, 7FH, 6FH
        END
