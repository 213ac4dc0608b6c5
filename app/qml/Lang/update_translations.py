#!/usr/bin/env python3
"""Writes QuillonPro_<code>.ts for every language from the texts in texts/<code>.txt,
and Sarvik's sarvik/Lang/Launcher_<code>.ts from the same texts.

Each identifier is placed in every context that uses it: the QML files under app/qml
and sarvik (qsTr takes the file's base name as its context) and the C++ classes that
call tr(). Identifiers that no source uses yet go to the context named in
texts/contexts.txt, so that a page written later finds its texts ready.

A text line reads "Identifier = text" or "Context/Identifier = text" for a text that
differs in one context; "\\n" stands for a line break and "\\-" for a soft hyphen, where a
long compound word may break in a narrow tile. An identifier without a text in
a language is written as unfinished, which the completeness test reports.
"""

import os
import re
import sys
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", "..", ".."))

LANGUAGES = [
    ("en", "en_US"), ("ru", "ru_RU"), ("es", "es_ES"), ("pt", "pt_BR"), ("ca", "ca_ES"),
    ("cs", "cs_CZ"), ("de", "de_DE"), ("fi", "fi_FI"), ("fr", "fr_FR"), ("hi", "hi_IN"),
    ("hu", "hu_HU"), ("id", "id_ID"), ("it", "it_IT"), ("ja", "ja_JP"), ("kk", "kk_KZ"),
    ("ko", "ko_KR"), ("nl", "nl_NL"), ("nb", "nb_NO"), ("pl", "pl_PL"), ("ro", "ro_RO"),
    ("sk", "sk_SK"), ("th", "th_TH"), ("tr", "tr_TR"), ("uk", "uk_UA"), ("zh", "zh_CN"),
]

STRING = r'"((?:[^"\\\n]|\\.)*)"|\'((?:[^\'\\\n]|\\.)*)\''


def strip_comments(text):
    """Blanks out // and /* */ comments, leaving string literals alone."""
    out = []
    i, n = 0, len(text)
    quote = None
    while i < n:
        c = text[i]
        if quote:
            out.append(c)
            if c == "\\" and i + 1 < n:
                out.append(text[i + 1])
                i += 2
                continue
            if c == quote or c == "\n":
                quote = None
            i += 1
        elif c in "\"'":
            quote = c
            out.append(c)
            i += 1
        elif text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append("\n" * text.count("\n", i, end))
            i = end
        else:
            out.append(c)
            i += 1
    return "".join(out)


def unescape(literal):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), literal)


def literals(pattern, text):
    for match in re.finditer(pattern + r"\s*\(\s*(?:" + STRING + r")", text):
        yield unescape(match.group(1) if match.group(1) is not None else match.group(2))


def qml_usages(tops):
    usages = {}
    for top in tops:
        for folder, _, files in os.walk(os.path.join(ROOT, top)):
            for name in sorted(files):
                if not name.endswith(".qml"):
                    continue
                with open(os.path.join(folder, name), encoding="utf-8") as source:
                    text = strip_comments(source.read())
                context = os.path.splitext(name)[0]
                for identifier in literals(r"\bqsTr", text):
                    usages.setdefault(context, set()).add(identifier)
    return usages


def cpp_usages(tops):
    """tr() calls in C++, with the class taken from the enclosing namespaces and the
    nearest preceding member definition (Class::method at the start of a line) or class
    declaration; texts marked with an explicit context are taken as they are."""
    usages = {}
    owner_pattern = re.compile(r"^(?:[^\s#/][^\n;]*?\b)?(\w+)::~?\w+\s*\(|\bclass\s+(\w+)\b[^;{]*\{",
                               re.MULTILINE)
    explicit = re.compile(r"\b(?:QT_TRANSLATE_NOOP|QCoreApplication::translate|qsTranslate)\s*\(\s*"
                          r"\"((?:[^\"\\\n]|\\.)*)\"\s*,\s*\"((?:[^\"\\\n]|\\.)*)\"")
    for top in tops:
        for folder, _, files in os.walk(os.path.join(ROOT, top)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h", ".qml")):
                    continue
                with open(os.path.join(folder, name), encoding="utf-8") as source:
                    text = strip_comments(source.read())
                for match in explicit.finditer(text):
                    usages.setdefault(unescape(match.group(1)), set()).add(unescape(match.group(2)))
                if name.endswith(".qml"):
                    continue
                for match in re.finditer(r"\btr\s*\(\s*\"((?:[^\"\\\n]|\\.)*)\"", text):
                    before = text[: match.start()]
                    namespaces = re.findall(r"\bnamespace\s+(\w+)\s*\{", before)
                    owners = owner_pattern.findall(before)
                    if not owners:
                        continue
                    cls = owners[-1][0] or owners[-1][1]
                    context = "::".join(namespaces + [cls])
                    usages.setdefault(context, set()).add(unescape(match.group(1)))
    return usages


def read_pairs(path):
    pairs = {}
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            key, sep, value = line.partition(" = ")
            if not sep:
                sys.exit("%s:%d: expected 'Identifier = text'" % (path, number))
            pairs[key.strip()] = value.replace("\\n", "\n").replace("\\-", "\u00ad")
    return pairs


def usages_of(qml_tops, cpp_tops):
    usages = qml_usages(qml_tops)
    for context, identifiers in cpp_usages(cpp_tops).items():
        usages.setdefault(context, set()).update(identifiers)
    return usages


def write_ts(path, language, usages, texts, code, missing):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s">' % language]
    for context in sorted(usages):
        lines += ["<context>", "    <name>%s</name>" % escape(context)]
        for identifier in sorted(usages[context]):
            text = texts.get(context + "/" + identifier, texts.get(identifier))
            lines += ["    <message>", "        <source>%s</source>" % escape(identifier)]
            if text:
                lines.append("        <translation>%s</translation>" % escape(text))
            else:
                lines.append('        <translation type="unfinished"></translation>')
                missing.append("%s: %s/%s" % (code, context, identifier))
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def main():
    usages = usages_of(["app/qml"], ["app"])
    # Sarvik ships its own, smaller catalogue.
    sarvik = usages_of(["sarvik"], ["sarvik"])
    used = set().union(*usages.values(), *sarvik.values())
    for identifier, context in read_pairs(os.path.join(HERE, "texts", "contexts.txt")).items():
        if identifier not in used:
            usages.setdefault(context, set()).add(identifier)

    missing = []
    sarvik_lang = os.path.join(ROOT, "sarvik", "Lang")
    for code, language in LANGUAGES:
        texts = read_pairs(os.path.join(HERE, "texts", code + ".txt"))
        write_ts(os.path.join(HERE, "QuillonPro_%s.ts" % code), language, usages, texts, code,
                 missing)
        if sarvik:
            os.makedirs(sarvik_lang, exist_ok=True)
            write_ts(os.path.join(sarvik_lang, "Launcher_%s.ts" % code), language, sarvik, texts,
                     code, missing)
    if missing:
        sys.exit("No text yet (written as unfinished):\n  " + "\n  ".join(missing))


if __name__ == "__main__":
    main()
