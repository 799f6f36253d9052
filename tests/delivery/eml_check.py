#!/usr/bin/env python3
"""Reads an EML file with Python's standard e-mail parser, as a second opinion on what
mail programs will see, and prints a JSON summary. Exit status 0 when every check
passed, 1 otherwise (the reasons are in "errors").

    eml_check.py MESSAGE.eml [--subject TEXT] [--pictures DIR] [--page FILE] [--plain FILE]

--subject   the expected decoded Subject (UTF-8)
--pictures  folder holding the embedded pictures under their file names
--page      the page as written before the pictures were embedded (cp1252)
--plain     the expected plain alternative (cp1252)
"""
import argparse
import email.parser
import email.policy
import json
import os
import re
import sys

REFERENCE = re.compile(rb"""\s(?:src|background)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>"']+))""", re.I)


def structure(part):
    if part.is_multipart():
        return part.get_content_type() + "[" + ",".join(structure(p) for p in part.iter_parts()) + "]"
    return part.get_content_type()


def references(html):
    out = []
    for m in REFERENCE.finditer(html):
        out.append(next(g for g in m.groups() if g is not None).decode("cp1252", "replace"))
    return out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("eml")
    ap.add_argument("--subject")
    ap.add_argument("--pictures")
    ap.add_argument("--page")
    ap.add_argument("--plain")
    args = ap.parse_args()

    errors = []
    raw = open(args.eml, "rb").read()
    if re.search(rb"(?<!\r)\n|\r(?!\n)", raw):
        errors.append("a line does not end with CR LF")
    if re.search(rb"[\x80-\xff]", raw):
        errors.append("the message is not 7-bit: 8-bit bytes reach the file unencoded")
    long_lines = [n + 1 for n, line in enumerate(raw.split(b"\r\n")) if len(line) > 998]
    if long_lines:
        errors.append("lines longer than 998 characters: %s" % long_lines[:5])

    msg = email.parser.BytesParser(policy=email.policy.default).parsebytes(raw)
    for part in msg.walk():
        for d in part.defects:
            errors.append("%s: %s" % (part.get_content_type(), d.__class__.__name__))
        for name, value in part.items():
            for d in getattr(value, "defects", ()):
                errors.append("header %s: %s" % (name, d.__class__.__name__))

    for name in ("Date", "From", "To", "Cc", "Bcc", "Sender"):
        if name in msg:
            errors.append("unexpected header " + name)
    if msg.get("X-Unsent") != "1":
        errors.append("X-Unsent is %r" % msg.get("X-Unsent"))
    subject = str(msg.get("Subject", ""))
    if args.subject is not None and subject != args.subject:
        errors.append("subject %r, expected %r" % (subject, args.subject))

    leaves = [p for p in msg.walk() if not p.is_multipart()]
    html_parts = [p for p in leaves if p.get_content_type() == "text/html"]
    plain_parts = [p for p in leaves if p.get_content_type() == "text/plain"]
    if len(html_parts) != 1 or len(plain_parts) != 1:
        errors.append("%d HTML and %d plain parts" % (len(html_parts), len(plain_parts)))

    charsets = {}
    for p in leaves:
        cte = p.get("Content-Transfer-Encoding", "7bit").lower()
        kind = p.get_content_maintype()
        want = "quoted-printable" if kind == "text" else "base64"
        if cte != want:
            errors.append("%s is sent as %s" % (p.get_content_type(), cte))
        if kind == "text":
            charsets[p.get_content_type()] = p.get_content_charset()
            if not p.get_content_charset():
                errors.append(p.get_content_type() + " declares no charset")
        payload = p.get_payload(decode=False)
        if any(len(line) > 76 for line in payload.splitlines()):
            errors.append(p.get_content_type() + " has encoded lines longer than 76")

    images = []
    html = b""
    srcs = []
    if len(html_parts) == 1:
        html_part = html_parts[0]
        html = html_part.get_payload(decode=True)
        srcs = references(html)
        container = next((p for p in msg.walk() if p.is_multipart() and html_part in list(p.iter_parts())), None)
        siblings = {}
        if container is not None and container.get_content_type() == "multipart/related":
            for p in container.iter_parts():
                if p is not html_part and p.get("Content-ID"):
                    siblings[str(p.get("Content-ID")).strip().strip("<>")] = p
        for p in leaves:
            if p.get_content_maintype() == "image" and p not in siblings.values():
                errors.append("picture %s is no related part of the page" % p.get_filename())
        restored = html
        used = set()
        for ref in srcs:
            if not ref.lower().startswith("cid:"):
                continue
            cid = ref[4:]
            part = siblings.get(cid)
            if part is None:
                errors.append("no related part for " + ref)
                continue
            used.add(cid)
            restored = restored.replace(ref.encode("cp1252"), part.get_filename().encode("cp1252", "replace"))
        for cid, p in siblings.items():
            data = p.get_payload(decode=True)
            images.append({"cid": cid, "filename": p.get_filename(), "type": p.get_content_type(),
                           "disposition": p.get_content_disposition(), "size": len(data)})
            if cid not in used:
                errors.append("picture %s is not shown by the page" % p.get_filename())
            if args.pictures:
                path = os.path.join(args.pictures, p.get_filename())
                if not os.path.isfile(path) or open(path, "rb").read() != data:
                    errors.append("picture %s differs from %s" % (p.get_filename(), path))
        if args.page and restored != open(args.page, "rb").read():
            errors.append("the HTML body differs from the page beyond its picture references")

    plain = b""
    if len(plain_parts) == 1:
        plain = plain_parts[0].get_payload(decode=True)
        if args.plain is not None and plain != open(args.plain, "rb").read():
            errors.append("the plain alternative differs from the expected text")

    print(json.dumps({
        "ok": not errors,
        "errors": errors,
        "structure": structure(msg),
        "headers": list(msg.keys()),
        "subject": subject,
        "charsets": charsets,
        "images": images,
        "srcs": srcs,
        "plain": plain.decode("cp1252", "replace"),
    }, ensure_ascii=False))
    return 0 if not errors else 1


if __name__ == "__main__":
    sys.exit(main())
