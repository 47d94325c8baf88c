#include "runtime/format.h"

#include <cstdint>
#include <cstring>

namespace {

// --- where the characters go ------------------------------------------------

const size_t STREAM_CHUNK = 256;

struct Sink {
  char* buffer;  // nullptr: writing to stream
  size_t size;
  FILE* stream;
  char chunk[STREAM_CHUNK];
  size_t chunk_used;
  size_t count;  // characters produced so far, written or not
  bool failed;
};

void FlushChunk(Sink* sink) {
  if (sink->stream != nullptr && sink->chunk_used > 0) {
    if (fwrite(sink->chunk, 1, sink->chunk_used, sink->stream) != sink->chunk_used)
      sink->failed = true;
    sink->chunk_used = 0;
  }
}

void Put(Sink* sink, char c) {
  if (sink->stream != nullptr) {
    if (sink->chunk_used == STREAM_CHUNK)
      FlushChunk(sink);
    sink->chunk[sink->chunk_used++] = c;
  } else if (sink->size > 0 && sink->count < sink->size - 1) {
    sink->buffer[sink->count] = c;
  }
  ++sink->count;
}

void PutRepeated(Sink* sink, char c, long times) {
  for (long i = 0; i < times; ++i)
    Put(sink, c);
}

void PutText(Sink* sink, const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i)
    Put(sink, text[i]);
}

// --- one conversion --------------------------------------------------------------

struct Spec {
  bool left;      // '-'
  bool plus;      // '+'
  bool space;     // ' '
  bool alt;       // '#'
  bool zero;      // '0'
  int width;      // 0: none
  int precision;  // -1: none
  char length;    // 0, 'H' (hh), 'h', 'l', 'q' (ll), 'j', 'z', 't', 'L'
  char conversion;
};

// va_list is an array on some targets and a pointer on others; wrapped, it
// can be handed to helpers that take arguments from it on every target.
struct Arguments {
  va_list list;
};

// Pads the field around a body of body_length characters.
void PadBefore(Sink* sink, const Spec& spec, long body_length) {
  if (!spec.left && spec.width > body_length)
    PutRepeated(sink, ' ', spec.width - body_length);
}

void PadAfter(Sink* sink, const Spec& spec, long body_length) {
  if (spec.left && spec.width > body_length)
    PutRepeated(sink, ' ', spec.width - body_length);
}

// --- integers ---------------------------------------------------------------

unsigned long long TakeUnsigned(Arguments* args, char length) {
  switch (length) {
    case 'H':
      return static_cast<unsigned char>(va_arg(args->list, unsigned));
    case 'h':
      return static_cast<unsigned short>(va_arg(args->list, unsigned));
    case 'l':
      return va_arg(args->list, unsigned long);
    case 'q':
    case 'L':
      return va_arg(args->list, unsigned long long);
    case 'j':
      return va_arg(args->list, uintmax_t);
    case 'z':
      return va_arg(args->list, size_t);
    case 't':
      return static_cast<unsigned long long>(va_arg(args->list, ptrdiff_t));
    default:
      return va_arg(args->list, unsigned);
  }
}

long long TakeSigned(Arguments* args, char length) {
  switch (length) {
    case 'H':
      return static_cast<signed char>(va_arg(args->list, int));
    case 'h':
      return static_cast<short>(va_arg(args->list, int));
    case 'l':
      return va_arg(args->list, long);
    case 'q':
    case 'L':
      return va_arg(args->list, long long);
    case 'j':
      return va_arg(args->list, intmax_t);
    case 'z':
      return static_cast<long long>(va_arg(args->list, ptrdiff_t));
    case 't':
      return va_arg(args->list, ptrdiff_t);
    default:
      return va_arg(args->list, int);
  }
}

void PutInteger(Sink* sink, const Spec& spec, unsigned long long magnitude, bool negative) {
  const char conv = spec.conversion;
  const unsigned base = (conv == 'o') ? 8 : (conv == 'x' || conv == 'X' || conv == 'p') ? 16 : 10;
  const char* digit_chars = (conv == 'X') ? "0123456789ABCDEF" : "0123456789abcdef";
  char digits[24];  // 64 bits in octal take 22
  int count = 0;
  for (unsigned long long v = magnitude; v != 0; v /= base)
    digits[count++] = digit_chars[v % base];

  int min_digits = spec.precision < 0 ? 1 : spec.precision;
  // The alternative form of octal starts with a zero, however it gets it.
  if (conv == 'o' && spec.alt && min_digits <= count)
    min_digits = count + 1;
  const int zeros_for_precision = min_digits > count ? min_digits - count : 0;

  char prefix[3] = {0, 0, 0};
  int prefix_length = 0;
  if (conv == 'd' || conv == 'i') {
    if (negative)
      prefix[prefix_length++] = '-';
    else if (spec.plus)
      prefix[prefix_length++] = '+';
    else if (spec.space)
      prefix[prefix_length++] = ' ';
  } else if ((conv == 'x' || conv == 'X') && spec.alt && magnitude != 0) {
    prefix[prefix_length++] = '0';
    prefix[prefix_length++] = conv;
  } else if (conv == 'p') {
    prefix[prefix_length++] = '0';
    prefix[prefix_length++] = 'x';
  }

  long body = prefix_length + zeros_for_precision + count;
  long zero_fill = 0;
  if (spec.zero && !spec.left && spec.precision < 0 && spec.width > body)
    zero_fill = spec.width - body;
  PadBefore(sink, spec, body + zero_fill);
  PutText(sink, prefix, static_cast<size_t>(prefix_length));
  PutRepeated(sink, '0', zero_fill + zeros_for_precision);
  for (int i = count - 1; i >= 0; --i)
    Put(sink, digits[i]);
  PadAfter(sink, spec, body + zero_fill);
}

// --- the exact decimal expansion of a double ----------------------------------

// A finite double is m * 2^e with m below 2^53 and e from -1074 to 971: its
// integer part has at most 309 decimal digits and its fraction, a multiple
// of 2^-1074, ends within 1074 decimal places.
const int INTEGER_DIGITS_MAX = 310;
const int FRACTION_BITS_MAX = 1074;
const int FRACTION_WORDS = (FRACTION_BITS_MAX + 4) / 32 + 2;
const int INTEGER_WORDS = (53 + 971) / 32 + 2;
// Every digit a double's expansion can have, significant or not.
const int DIGITS_MAX = INTEGER_DIGITS_MAX + FRACTION_BITS_MAX + 2;

struct Expansion {
  char integer[INTEGER_DIGITS_MAX];   // most significant first, no leading zero
  int integer_length;                 // 0 when the integer part is zero
  int integer_taken;                  // integer digits already handed out
  uint32_t fraction[FRACTION_WORDS];  // the fraction is fraction / 2^fraction_bits
  int fraction_bits;
};

void SetIntegerDigits(Expansion* x, uint32_t* words, int word_count) {
  // Nine digits at a time from the bottom, by long division by 10^9.
  char reversed[INTEGER_DIGITS_MAX + 9];
  int length = 0;
  for (;;) {
    while (word_count > 0 && words[word_count - 1] == 0)
      --word_count;
    if (word_count == 0)
      break;
    uint64_t remainder = 0;
    for (int i = word_count - 1; i >= 0; --i) {
      uint64_t current = remainder << 32 | words[i];
      words[i] = static_cast<uint32_t>(current / 1000000000u);
      remainder = current % 1000000000u;
    }
    for (int i = 0; i < 9; ++i) {
      reversed[length++] = static_cast<char>('0' + remainder % 10);
      remainder /= 10;
    }
  }
  while (length > 0 && reversed[length - 1] == '0')
    --length;
  for (int i = 0; i < length; ++i)
    x->integer[i] = reversed[length - 1 - i];
  x->integer_length = length;
}

void Expand(double magnitude, Expansion* x) {
  uint64_t bits;
  memcpy(&bits, &magnitude, sizeof bits);
  const int exponent_field = static_cast<int>(bits >> 52 & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (exponent_field != 0) {
    mantissa |= uint64_t{1} << 52;
    exponent = exponent_field - 1075;
  }
  memset(x, 0, sizeof *x);

  uint32_t words[INTEGER_WORDS] = {};
  if (exponent >= 0) {
    // An integer: the mantissa shifted left into place.
    const int word = exponent / 32;
    const int bit = exponent % 32;
    words[word] = static_cast<uint32_t>(mantissa << bit);
    words[word + 1] = static_cast<uint32_t>(bit == 0 ? mantissa >> 32 : mantissa >> (32 - bit));
    words[word + 2] = bit == 0 ? 0 : static_cast<uint32_t>(mantissa >> (64 - bit));
    SetIntegerDigits(x, words, INTEGER_WORDS);
    return;
  }
  const int shift = -exponent;
  const uint64_t integer = shift >= 64 ? 0 : mantissa >> shift;
  const uint64_t fraction = shift >= 64 ? mantissa : mantissa & ((uint64_t{1} << shift) - 1);
  words[0] = static_cast<uint32_t>(integer);
  words[1] = static_cast<uint32_t>(integer >> 32);
  SetIntegerDigits(x, words, 2);
  x->fraction[0] = static_cast<uint32_t>(fraction);
  x->fraction[1] = static_cast<uint32_t>(fraction >> 32);
  x->fraction_bits = shift;
}

bool FractionIsZero(const Expansion* x) {
  for (uint32_t word : x->fraction) {
    if (word != 0)
      return false;
  }
  return true;
}

// The next decimal place of the fraction: times ten, the part above the
// binary point is the digit.
int NextFractionDigit(Expansion* x) {
  if (x->fraction_bits == 0)
    return 0;
  uint64_t carry = 0;
  for (uint32_t& word : x->fraction) {
    uint64_t product = uint64_t{word} * 10 + carry;
    word = static_cast<uint32_t>(product);
    carry = product >> 32;
  }
  const int word = x->fraction_bits / 32;
  const int bit = x->fraction_bits % 32;
  uint64_t above = x->fraction[word] >> bit;
  if (word + 1 < FRACTION_WORDS)
    above |= uint64_t{x->fraction[word + 1]} << (32 - bit);
  x->fraction[word] &= bit == 0 ? 0 : (uint32_t{1} << bit) - 1;
  if (word + 1 < FRACTION_WORDS)
    x->fraction[word + 1] = 0;
  return static_cast<int>(above & 0xF);
}

// The digits of the expansion in order: the integer part, then the fraction,
// then zeros for ever.
int NextDigit(Expansion* x) {
  if (x->integer_taken < x->integer_length)
    return x->integer[x->integer_taken++] - '0';
  return NextFractionDigit(x);
}

bool RestIsZero(const Expansion* x) {
  for (int i = x->integer_taken; i < x->integer_length; ++i) {
    if (x->integer[i] != '0')
      return false;
  }
  return FractionIsZero(x);
}

// Digits kept for printing; those past `count` up to `count + zeros` are
// zeros that need no storing.
struct DigitRun {
  char digit[DIGITS_MAX];
  int count;
  long zeros;
};

// Takes `wanted` digits from the expansion, then rounds them by the rest to
// nearest, ties to even.  True when the rounding carried out of the first
// digit (all nines became zeros and a one belongs in front).
bool TakeRounded(Expansion* x, long wanted, DigitRun* run) {
  run->count = 0;
  run->zeros = 0;
  while (run->count < wanted) {
    if (RestIsZero(x)) {
      run->zeros = wanted - run->count;
      return false;
    }
    run->digit[run->count++] = static_cast<char>('0' + NextDigit(x));
  }
  const int next = NextDigit(x);
  const bool sticky = !RestIsZero(x);
  const bool last_odd = run->count > 0 && (run->digit[run->count - 1] - '0') % 2 == 1;
  if (next < 5 || (next == 5 && !sticky && !last_odd))
    return false;
  for (int i = run->count - 1; i >= 0; --i) {
    if (run->digit[i] != '9') {
      ++run->digit[i];
      return false;
    }
    run->digit[i] = '0';
  }
  return true;
}

// --- floating point -----------------------------------------------------------

// The part of a floating-point field between the sign and the padding:
// mantissa text, zeros that follow it, then an exponent suffix.
struct FloatBody {
  char text[DIGITS_MAX + 4];
  int length;
  long zeros;
  char suffix[8];
  int suffix_length;
};

void AppendChar(FloatBody* body, char c) {
  body->text[body->length++] = c;
}

// Fixed notation with `precision` decimal places.
void FormatFixed(double magnitude, int precision, bool point, FloatBody* body) {
  Expansion x;
  Expand(magnitude, &x);
  const int integer_digits = x.integer_length;
  DigitRun run;
  const bool carried = TakeRounded(&x, integer_digits + precision, &run);
  body->length = 0;
  body->suffix_length = 0;
  // The integer digits: a carry adds a leading one; none at all print as 0.
  if (carried)
    AppendChar(body, '1');
  else if (integer_digits == 0)
    AppendChar(body, '0');
  long taken = 0;
  for (; taken < integer_digits; ++taken)
    AppendChar(body, taken < run.count ? run.digit[taken] : '0');
  if (precision > 0 || point)
    AppendChar(body, '.');
  for (; taken < run.count; ++taken)
    AppendChar(body, run.digit[taken]);
  // Zeros the run did not store: those of the integer part went above.
  const long integer_zeros = integer_digits > run.count ? integer_digits - run.count : 0;
  body->zeros = run.zeros - integer_zeros;
}

// Scientific notation with `precision` digits after the first; returns the
// decimal exponent.
int FormatScientific(double magnitude, int precision, bool point, char e, FloatBody* body) {
  Expansion x;
  Expand(magnitude, &x);
  int exponent = 0;
  if (x.integer_length > 0) {
    exponent = x.integer_length - 1;
  } else if (!FractionIsZero(&x)) {
    // Skip the zeros in front of the first significant digit, which is put
    // back by hand as the first digit of the run.
    int digit = 0;
    while ((digit = NextFractionDigit(&x)) == 0)
      --exponent;
    --exponent;
    x.integer[0] = static_cast<char>('0' + digit);
    x.integer_length = 1;
  }
  DigitRun run;
  if (TakeRounded(&x, precision + 1L, &run)) {
    // 9.99 became 10.0: the same digits, one place up.
    run.digit[0] = '1';
    ++exponent;
  }
  body->length = 0;
  AppendChar(body, run.count > 0 ? run.digit[0] : '0');
  if (precision > 0 || point)
    AppendChar(body, '.');
  for (int i = 1; i < run.count; ++i)
    AppendChar(body, run.digit[i]);
  body->zeros = run.count > 0 ? run.zeros : run.zeros - 1;
  const unsigned shown = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
  body->suffix_length = 0;
  body->suffix[body->suffix_length++] = e;
  body->suffix[body->suffix_length++] = exponent < 0 ? '-' : '+';
  if (shown >= 100)
    body->suffix[body->suffix_length++] = static_cast<char>('0' + shown / 100);
  body->suffix[body->suffix_length++] = static_cast<char>('0' + shown / 10 % 10);
  body->suffix[body->suffix_length++] = static_cast<char>('0' + shown % 10);
  return exponent;
}

// The shortest of the two: scientific when the exponent is below -4 or not
// below the precision, and no trailing zeros unless '#' asks for them.
void FormatGeneral(double magnitude, int precision, bool alt, char e, FloatBody* body) {
  if (precision == 0)
    precision = 1;
  const int exponent = FormatScientific(magnitude, precision - 1, alt, e, body);
  if (exponent >= -4 && exponent < precision)
    FormatFixed(magnitude, precision - 1 - exponent, alt, body);
  if (alt)
    return;
  body->zeros = 0;
  if (memchr(body->text, '.', static_cast<size_t>(body->length)) == nullptr)
    return;
  while (body->text[body->length - 1] == '0')
    --body->length;
  if (body->text[body->length - 1] == '.')
    --body->length;
}

void PutFloat(Sink* sink, const Spec& spec, double value) {
  uint64_t bits;
  memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const double magnitude = negative ? -value : value;
  const char conv = spec.conversion;
  const bool upper = conv == 'F' || conv == 'E' || conv == 'G';
  char sign = 0;
  if (negative)
    sign = '-';
  else if (spec.plus)
    sign = '+';
  else if (spec.space)
    sign = ' ';

  if ((bits >> 52 & 0x7FF) == 0x7FF) {
    const bool nan = (bits & ((uint64_t{1} << 52) - 1)) != 0;
    const char* word = nan ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
    const long body = 3 + (sign != 0 ? 1 : 0);
    PadBefore(sink, spec, body);
    if (sign != 0)
      Put(sink, sign);
    PutText(sink, word, 3);
    PadAfter(sink, spec, body);
    return;
  }

  const int precision = spec.precision < 0 ? 6 : spec.precision;
  const char e = upper ? 'E' : 'e';
  FloatBody body;
  if (conv == 'f' || conv == 'F')
    FormatFixed(magnitude, precision, spec.alt, &body);
  else if (conv == 'e' || conv == 'E')
    FormatScientific(magnitude, precision, spec.alt, e, &body);
  else
    FormatGeneral(magnitude, precision, spec.alt, e, &body);

  const long length = (sign != 0 ? 1 : 0) + body.length + body.zeros + body.suffix_length;
  long zero_fill = 0;
  if (spec.zero && !spec.left && spec.width > length)
    zero_fill = spec.width - length;
  PadBefore(sink, spec, length + zero_fill);
  if (sign != 0)
    Put(sink, sign);
  PutRepeated(sink, '0', zero_fill);
  PutText(sink, body.text, static_cast<size_t>(body.length));
  PutRepeated(sink, '0', body.zeros);
  PutText(sink, body.suffix, static_cast<size_t>(body.suffix_length));
  PadAfter(sink, spec, length + zero_fill);
}

// --- text ---------------------------------------------------------------------

void PutString(Sink* sink, const Spec& spec, const char* text) {
  if (text == nullptr)
    text = (spec.precision < 0 || spec.precision >= 6) ? "(null)" : "";
  size_t length = 0;
  while ((spec.precision < 0 || length < static_cast<size_t>(spec.precision)) &&
         text[length] != '\0')
    ++length;
  PadBefore(sink, spec, static_cast<long>(length));
  PutText(sink, text, length);
  PadAfter(sink, spec, static_cast<long>(length));
}

// --- the format -----------------------------------------------------------------

int ReadNumber(const char** p) {
  long value = 0;
  while (**p >= '0' && **p <= '9') {
    if (value < 100000000)
      value = value * 10 + (**p - '0');
    ++*p;
  }
  return static_cast<int>(value);
}

// Reads one conversion after its '%'; false when the format ends inside
// it.
bool ReadSpec(const char** p, Arguments* args, Spec* spec) {
  *spec = Spec{};
  spec->precision = -1;
  for (;; ++*p) {
    const char c = **p;
    if (c == '-')
      spec->left = true;
    else if (c == '+')
      spec->plus = true;
    else if (c == ' ')
      spec->space = true;
    else if (c == '#')
      spec->alt = true;
    else if (c == '0')
      spec->zero = true;
    else
      break;
  }
  if (**p == '*') {
    ++*p;
    const int width = va_arg(args->list, int);
    spec->left = spec->left || width < 0;
    // Taken as ReadNumber takes written widths, which also keeps the most
    // negative int from being negated.
    spec->width = width >= 0 ? (width > 100000000 ? 100000000 : width)
                             : (width < -100000000 ? 100000000 : -width);
  } else {
    spec->width = ReadNumber(p);
  }
  if (**p == '.') {
    ++*p;
    if (**p == '*') {
      ++*p;
      const int precision = va_arg(args->list, int);
      spec->precision = precision < 0 ? -1 : (precision > 100000000 ? 100000000 : precision);
    } else {
      spec->precision = ReadNumber(p);
    }
  }
  switch (**p) {
    case 'h':
      ++*p;
      spec->length = 'h';
      if (**p == 'h') {
        ++*p;
        spec->length = 'H';
      }
      break;
    case 'l':
      ++*p;
      spec->length = 'l';
      if (**p == 'l') {
        ++*p;
        spec->length = 'q';
      }
      break;
    case 'L':
    case 'q':
    case 'j':
    case 'z':
    case 't':
      spec->length = **p;
      ++*p;
      break;
    default:
      break;
  }
  spec->conversion = **p;
  if (**p == '\0')
    return false;
  ++*p;
  return true;
}

void FormatAll(Sink* sink, const char* format, Arguments* args) {
  const char* p = format;
  while (*p != '\0') {
    if (*p != '%') {
      Put(sink, *p++);
      continue;
    }
    const char* start = p++;
    Spec spec;
    if (!ReadSpec(&p, args, &spec)) {
      PutText(sink, start, strlen(start));
      return;
    }
    switch (spec.conversion) {
      case 'd':
      case 'i': {
        const long long value = TakeSigned(args, spec.length);
        const unsigned long long magnitude =
            value < 0 ? 0 - static_cast<unsigned long long>(value) : value;
        PutInteger(sink, spec, magnitude, value < 0);
        break;
      }
      case 'u':
      case 'o':
      case 'x':
      case 'X':
        PutInteger(sink, spec, TakeUnsigned(args, spec.length), false);
        break;
      case 'p': {
        const void* pointer = va_arg(args->list, void*);
        if (pointer == nullptr) {
          Spec text = spec;
          text.precision = -1;
          PutString(sink, text, "(nil)");
        } else {
          PutInteger(sink, spec, reinterpret_cast<uintptr_t>(pointer), false);
        }
        break;
      }
      case 'c': {
        const char c = static_cast<char>(va_arg(args->list, int));
        PadBefore(sink, spec, 1);
        Put(sink, c);
        PadAfter(sink, spec, 1);
        break;
      }
      case 's':
        PutString(sink, spec, va_arg(args->list, const char*));
        break;
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G':
        if (spec.length == 'L')
          PutFloat(sink, spec, static_cast<double>(va_arg(args->list, long double)));
        else
          PutFloat(sink, spec, va_arg(args->list, double));
        break;
      case '%':
        Put(sink, '%');
        break;
      case 'n':
        // Writing through a pointer taken from the arguments is never
        // needed here; the argument is passed over.
        (void)va_arg(args->list, void*);
        break;
      default:
        // Not a conversion this formatter knows: shown as written.
        PutText(sink, start, static_cast<size_t>(p - start));
        break;
    }
  }
}

int ResultLength(size_t count) {
  return count > 0x7FFFFFFF ? -1 : static_cast<int>(count);
}

}  // namespace

int FormatToBuffer(char* buffer, size_t size, const char* format, va_list args) {
  Sink sink = {};
  sink.buffer = buffer;
  sink.size = size;
  Arguments arguments;
  va_copy(arguments.list, args);
  FormatAll(&sink, format, &arguments);
  va_end(arguments.list);
  if (size > 0)
    buffer[sink.count < size ? sink.count : size - 1] = '\0';
  return ResultLength(sink.count);
}

int FormatToStream(FILE* stream, const char* format, va_list args) {
  Sink sink = {};
  sink.stream = stream;
  Arguments arguments;
  va_copy(arguments.list, args);
  FormatAll(&sink, format, &arguments);
  va_end(arguments.list);
  FlushChunk(&sink);
  return sink.failed ? -1 : ResultLength(sink.count);
}
