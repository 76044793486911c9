#!/usr/bin/env python3
"""binary64 read-outs with Python's standard library alone: what a user could script instead
of binora-cli. Reads one value per line of standard input and writes the 19 tab-separated
columns of `binora-cli --kind 64 --format tsv` (English), byte for byte, for the values
binora-cli reads: decimal texts (E or D exponents), the infinity and NaN spellings, and 0x
with 16 hexadecimal digits. Invalid values get a row with status `invalid` and a message on
standard error; the exit status is 1 when some value was invalid.

bench/cli_vs_python.sh runs it beside binora-cli and compares the outputs and the times.
"""
import math
import re
import struct
import sys
from decimal import Decimal

NUMBER = re.compile(r'[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[EeDd][+-]?[0-9]+)?')
NAN_HEADS = {'NaN', 'Nan', 'nan', 'naN', '+Na', '+na', '-Na', '-na'}
INFINITY_HEADS = {'Inf', 'inf', '+In', '+in', '-In', '-in'}
SIGN = 1 << 63
EXPONENT_ONES = 0x7FF << 52
FRACTION = (1 << 52) - 1


def word_of(x):
    return struct.unpack('<Q', struct.pack('<d', x))[0]


def value_of(word):
    return struct.unpack('<d', struct.pack('<Q', word))[0]


def read_word(text):
    """The stored word of a value, or None with the message that refuses it."""
    if text.startswith(('0x', '0X')):
        digits = text[2:]
        if len(digits) != 16 or not re.fullmatch(r'[0-9A-Fa-f]+', digits):
            return None, ('binora-cli: %s: a binary64 storage word is 0x and exactly '
                          '16 hexadecimal digits' % text)
        return int(digits, 16), None
    text = text.rstrip(' ')
    if not text.strip(' '):
        return None, 'binora-cli: empty value'
    text = text.rjust(3)
    head = text[:3]
    sign = SIGN if head[0] == '-' else 0
    if head in NAN_HEADS:
        return sign | EXPONENT_ONES | FRACTION, None
    if head in INFINITY_HEADS:
        return sign | EXPONENT_ONES, None
    number = text.lstrip(' \t')
    if number[:1] in (',', '/'):
        return 0, None  # no number: X as after start-up
    number = re.split(r'[ \t,/]', number, maxsplit=1)[0]
    if not NUMBER.fullmatch(number) or number.startswith('+-'):
        return None, 'Error: Invalid Value'
    x = float(number.replace('D', 'e').replace('d', 'e'))
    if math.isinf(x):
        return None, 'Error: Invalid Value'
    return word_of(x), None


def exponent_form(x, digits, letter, plus):
    """d.ddd<letter>±xx with `digits` digits after the point, correctly rounded."""
    if math.isnan(x):
        return 'NaN'
    if math.isinf(x):
        return ('-' if x < 0 else '+' if plus else '') + 'Infinity'
    mantissa, exponent = ('%.*e' % (digits, x)).split('e')
    if plus and not mantissa.startswith('-'):
        mantissa = '+' + mantissa
    return '%s%s%s%02d' % (mantissa, letter, exponent[0], abs(int(exponent)))


def bits_summary(word):
    bits = format(word, '064b')
    return bits[0] + '_' + bits[1:12] + '_...' + bits[48:]


def row(text, word):
    x = value_of(word)
    bits = format(word, '064b')
    field = (word >> 52) & 0x7FF
    fraction = word & FRACTION
    if field == 0:
        kind = 'Signed Zero' if fraction == 0 else 'Denormalized Number'
    elif field == 0x7FF:
        kind = 'Signed Infinity' if fraction == 0 else 'Not-a-Number'
    else:
        kind = 'Normalized Number: Real(8)'
    columns = [text, '64', 'ok', bits[0], bits[1:12], bits[12:], '%016X' % word, kind,
               exponent_form(x, 16, 'D', True)]
    if field == 0x7FF:
        return columns + [''] * 10
    e = -1022 if field == 0 else field - 1023
    mark = ' (Emin)' if field >> 1 == 0 else ' (Emax)' if field >> 1 == 0x3FF else ' (E)'
    sig = fraction / 2.0**52 + (0 if field == 0 else 1)
    up = math.nextafter(x, math.inf)
    down = math.nextafter(x, -math.inf)
    return columns + [
        str(e), 'Representation Exponent' + mark, exponent_form(sig, 15, 'E', False),
        exponent_form(math.ulp(x), 16, 'D', False), exponent_form(up, 16, 'D', False),
        exponent_form(down, 16, 'D', False), bits_summary(word_of(up)),
        bits_summary(word_of(down)), 'Epsilon = ULP(1.D0).', format(Decimal(x), 'f')]


def escaped(text):
    return (text.replace('\\', '\\\\').replace('\t', '\\t').replace('\n', '\\n')
            .replace('\r', '\\r'))


def main():
    def write(text):
        sys.stdout.buffer.write(text.encode('utf-8', 'surrogateescape'))

    texts = sys.stdin.buffer.read().decode('utf-8', 'surrogateescape').split('\n')
    if texts and texts[-1] == '':
        texts.pop()
    invalid = False
    lines = []
    for text in texts:
        if text.endswith('\r'):
            text = text[:-1]
        word, message = read_word(text)
        if word is None:
            invalid = True
            write(''.join(lines))
            lines = []
            sys.stdout.flush()
            sys.stderr.buffer.write((message + '\n').encode('utf-8', 'surrogateescape'))
            sys.stderr.flush()
            columns = [text, '64', 'invalid'] + [''] * 16
        else:
            columns = row(text, word)
        lines.append(escaped(columns[0]) + '\t' + '\t'.join(columns[1:]) + '\n')
    write(''.join(lines))
    return 1 if invalid else 0


if __name__ == '__main__':
    sys.exit(main())
