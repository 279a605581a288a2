; A PIC12C509 file with program words in both pages and its configuration
; word at the logical address 0xFFF. The last word, 0x3FF, is left to the
; chip's oscillator calibration.
        list    p=12c509
        #include <p12c509.inc>
        __config _MCLRE_OFF & _CP_OFF & _WDT_ON & _XT_OSC

        org     0x0000
        movwf   OSCCAL
        movlw   b'11111100'
        tris    GPIO
        bsf     STATUS, PA0
        goto    blink
        org     0x0200
blink:
        movlw   0x03
        xorwf   GPIO, f
        goto    blink
        org     0x03FE
        retlw   0x5A
        end
