; one of each of the common mistakes
        ORG     0
START:  MOV     A,#NOWHERE
START:  NOP
        SJMP    FAR
        MOV     @R5,A
        MOV     A,#1234H
        AJMP    900H
        ORG     100H
FAR:    RET
