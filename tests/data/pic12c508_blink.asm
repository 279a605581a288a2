; Toggles GP0 of a PIC12C508; the 12-bit family keeps its configuration word
; at the logical address 0xFFF, inside the HEX reader's image.
        list    p=12c508
        #include <p12c508.inc>
        __config _MCLRE_ON & _CP_OFF & _WDT_OFF & _IntRC_OSC

        org     0x0000
        movwf   OSCCAL
        movlw   b'11111110'
        tris    GPIO
loop:
        movlw   0x01
        xorwf   GPIO, f
        goto    loop
        end
