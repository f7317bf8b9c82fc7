# SPDX-License-Identifier: GPL-3.0-or-later
# Probe ROMs for the end-to-end tests: tiny programs that copy a signature
# into the cartridge's battery-backed RAM and then wait. An emulator's save
# file that holds the signature proves that the ROM really ran.
# Sourced; each maker takes the file to write and the signature (at most
# 255 bytes).

# Writes bytes (printf notation) into a file at an offset.
probe_patch() {  # $1: file; $2: offset; $3: bytes
    printf "$3" | dd of="$1" bs=1 seek=$(($2)) conv=notrunc status=none
}

probe_hex() { printf '\\x%02X' "$1"; }

# A 32 KiB LoROM SNES image with 2 KiB of battery-backed RAM.
make_snes_probe() {
    local f=$1 sig=$2
    head -c 32768 /dev/zero > "$f"
    # sei; clc; xce (native mode); rep #$10; sep #$20; ldx #0
    probe_patch "$f" 0x0000 '\x78\x18\xFB\xC2\x10\xE2\x20\xA2\x00\x00'
    # copy: lda $8040,x; sta $700000,x; inx; cpx #length; bne copy; then wait: bra wait
    probe_patch "$f" 0x000A "\\xBD\\x40\\x80\\x9F\\x00\\x00\\x70\\xE8\\xE0$(probe_hex ${#sig})\\x00\\xD0\\xF3\\x80\\xFE"
    probe_patch "$f" 0x0040 "$sig"
    probe_patch "$f" 0x7FC0 'KIVALTO PROBE        '
    # LoROM; ROM, RAM and battery; 32 KiB ROM; 2 KiB RAM; checksum pair FFFF/0000
    probe_patch "$f" 0x7FD5 '\x20\x02\x05\x01\x01\x00\x00\xFF\xFF\x00\x00'
    probe_patch "$f" 0x7FFC '\x00\x80'  # reset at $8000
}

# An iNES image: mapper 0, 16 KiB PRG at $C000, 8 KiB CHR, battery-backed
# RAM at $6000.
make_nes_probe() {
    local f=$1 sig=$2
    printf 'NES\x1A\x01\x01\x02\x00' > "$f"
    head -c $((8 + 16384 + 8192)) /dev/zero >> "$f"
    local prg=16
    # sei; cld; ldx #0
    # copy: lda $C040,x; sta $6000,x; inx; cpx #length; bne copy; wait: jmp wait
    probe_patch "$f" $prg "\\x78\\xD8\\xA2\\x00\\xBD\\x40\\xC0\\x9D\\x00\\x60\\xE8\\xE0$(probe_hex ${#sig})\\xD0\\xF5\\x4C\\x0F\\xC0"
    probe_patch "$f" $((prg + 0x40)) "$sig"
    probe_patch "$f" $((prg + 0x3FFA)) '\x0F\xC0\x00\xC0\x0F\xC0'  # NMI, reset, IRQ
}

# A 32 KiB Game Boy image: MBC1 with 8 KiB of battery-backed RAM at $A000.
make_gb_probe() {
    local f=$1 sig=$2
    head -c 32768 /dev/zero > "$f"
    probe_patch "$f" 0x0100 '\x00\xC3\x50\x01'  # entry: nop; jp $0150
    probe_patch "$f" 0x0134 'KIVALTO PROBE'
    # cartridge MBC1+RAM+BATTERY, 32 KiB ROM, 8 KiB RAM
    probe_patch "$f" 0x0147 '\x03\x00\x02'
    local sum=0 i byte
    for i in $(seq $((0x134)) $((0x14C))); do
        byte=$(od -An -tu1 -j "$i" -N1 "$f")
        sum=$(((sum - byte - 1) & 255))
    done
    probe_patch "$f" 0x014D "$(probe_hex $sum)"
    # ld a,$0A; ld ($0000),a (RAM on); ld hl,$0200; ld de,$A000; ld b,length
    # copy: ld a,(hl+); ld (de),a; inc de; dec b; jr nz,copy; wait: jr wait
    probe_patch "$f" 0x0150 "\\x3E\\x0A\\xEA\\x00\\x00\\x21\\x00\\x02\\x11\\x00\\xA0\\x06$(probe_hex ${#sig})\\x2A\\x12\\x13\\x05\\x20\\xFA\\x18\\xFE"
    probe_patch "$f" 0x0200 "$sig"
}
