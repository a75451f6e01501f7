$TITLE(Golden clean source)
$INCLUDE(golden.inc)
; every column of the listing: labels, code, data, values, gaps
        ORG     0
START:  MOV     LEDS,#0FFH
        MOV     A,#RATE
LOOP:   CPL     A
        DJNZ    R7,LOOP
        ACALL   WAIT
        SJMP    START
WAIT:   RET
FLAG    BIT     20H.1
COUNT   SET     3
        ORG     40H
TEXT:   DB      'Golden', 0DH, 0AH, 0
        DW      START, TEXT
        DS      2
        DB      COUNT
        END
