/* korvalt.elf: loaded at 1 MB, the Multiboot header first in the file so
   that every loader finds it within the first 8 KB. */
ENTRY(_start)
SECTIONS
{
  . = 0x100000;
  __image_start = .;
  .text : { KEEP(*(.multiboot)) *(.text .text.*) }
  .rodata : { *(.rodata .rodata.*) }
  .init_array : {
    __init_array_start = .;
    KEEP(*(SORT_BY_INIT_PRIORITY(.init_array.*)))
    KEEP(*(.init_array))
    __init_array_end = .;
  }
  .data : { *(.data .data.*) }
  .bss : {
    __bss_start = .;
    *(.bss .bss.*)
    *(COMMON)
  }
  . = ALIGN(16);
  _end = .;
  /DISCARD/ : { *(.eh_frame*) *(.comment) *(.note*) *(.fini_array*) }
}
