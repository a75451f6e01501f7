$NOMOD51
$INCLUDE (REG52.INC)
#include <at89x52.inc>
#include "self.h"
/* a comment
   across lines */ #define NOT_A_DIRECTIVE
#define LED     P1.0    // the LED
#define N       10 ; ten
#define SQ(x)   ((x)*(x))
#define CAT(a, b) a##b
#define LOAD(r, v) MOV r,#v
#define LONG    1 + \
                2
#if defined(LED) && N * 2 == 20 || !defined NOTHING
        CPL LED
        MOV A,#SQ(SQ(N)) & 0FFH
        LOAD(R2, CAT(1, 0)H)
        DB '//', "/*", LONG ; /* not here
#elif LATER > 3
        NOP
#else
        #error never
#endif
#ifdef LED
#undef LED
#endif
#ifndef LED
        SETB EA
#endif
 #pragma anything
#
LATER   EQU     5
        MOV A,#10 / 2
        ANL C,/ACC.1
        END
