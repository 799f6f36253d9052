#!/usr/bin/env python3
"""Composing an EML with 20 pictures of 500 KB: our builder (bench_eml, BM_ComposeEml)
against Python's standard e-mail package building the same structure from the same
files: multipart/alternative of a plain part and a multipart/related holding the page
and the pictures by Content-ID, serialised with CR LF.

    bench/bench_eml.py [--build BUILD_DIR] [--runs N]
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time
from email.charset import QP, Charset
from email.header import Header
from email.mime.image import MIMEImage
from email.mime.multipart import MIMEMultipart
from email.mime.text import MIMEText

PICTURES = 20
PICTURE_BYTES = 500 * 1024
SUBJECT = "Newsletter: Gr\u00fc\u00dfe aus K\u00f6ln"


def picture_name(n):
    return "pic%02d.jpg" % n


def make_folder(folder):
    page = "<html><body>\r\n"
    for n in range(1, PICTURES + 1):
        noise = bytearray(os.urandom(PICTURE_BYTES))  # JPEG markers around noise
        noise[0:4] = b"\xff\xd8\xff\xe0"
        noise[-2:] = b"\xff\xd9"
        with open(os.path.join(folder, picture_name(n)), "wb") as f:
            f.write(noise)
        page += '<p>Meldung %d: Gr\u00fc\u00dfe aus K\u00f6ln</p><img src="%s">\r\n' % (n, picture_name(n))
    page += "</body></html>\r\n"
    with open(os.path.join(folder, "page.html"), "wb") as f:
        f.write(page.encode("cp1252"))
    with open(os.path.join(folder, "plain.txt"), "wb") as f:
        f.write("Gr\u00fc\u00dfe aus K\u00f6ln\r\n".encode("cp1252"))


def python_eml(folder, html, plain):
    charset = Charset("windows-1252")
    charset.body_encoding = QP
    related = MIMEMultipart("related", type="text/html")
    pictures = []
    for n in range(1, PICTURES + 1):
        name = picture_name(n)
        cid = "part%d.0123456789abcdef@quillora" % n
        html = html.replace('src="%s"' % name, 'src="cid:%s"' % cid)
        with open(os.path.join(folder, name), "rb") as f:
            image = MIMEImage(f.read(), _subtype="jpeg")
        image.add_header("Content-ID", "<%s>" % cid)
        image.add_header("Content-Disposition", "inline", filename=name)
        pictures.append(image)
    related.attach(MIMEText(html, "html", charset))
    for image in pictures:
        related.attach(image)
    message = MIMEMultipart("alternative")
    message["Subject"] = Header(SUBJECT, "utf-8")
    message["X-Unsent"] = "1"
    message.attach(MIMEText(plain, "plain", charset))
    message.attach(related)
    return message.as_bytes(policy=message.policy.clone(linesep="\r\n"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default=os.path.join(here, "..", "build"))
    ap.add_argument("--runs", type=int, default=10)
    args = ap.parse_args()
    program = os.path.join(args.build, "bench", "bench_eml")
    if not os.access(program, os.X_OK):
        sys.exit("bench_eml is not built: cmake --build %s --target bench_eml" % args.build)

    with tempfile.TemporaryDirectory(prefix="quillora-bench-eml-") as folder:
        make_folder(folder)
        env = dict(os.environ, QUILLORA_BENCH_EML_DIR=folder)
        out = subprocess.run([program, "--benchmark_filter=BM_ComposeEml$", "--benchmark_format=json",
                              "--benchmark_repetitions=%d" % max(args.runs // 2, 3)],
                             env=env, check=True, capture_output=True, text=True).stdout
        runs = [b for b in json.loads(out)["benchmarks"] if b.get("run_type") == "iteration"]
        ours_ms = statistics.median(b["real_time"] for b in runs)  # unit: ms
        ours_bytes = int(runs[0]["eml_bytes"])

        html = open(os.path.join(folder, "page.html"), "rb").read().decode("cp1252")
        plain = open(os.path.join(folder, "plain.txt"), "rb").read().decode("cp1252")
        times = []
        for _ in range(args.runs):
            start = time.perf_counter()
            eml = python_eml(folder, html, plain)
            times.append((time.perf_counter() - start) * 1000)
        python_ms = statistics.median(times)

    print("EML with %d pictures of %d KB" % (PICTURES, PICTURE_BYTES // 1024))
    print("  quillora ComposeEml : %8.1f ms  (%d bytes)" % (ours_ms, ours_bytes))
    print("  Python email package: %8.1f ms  (%d bytes)" % (python_ms, len(eml)))
    print("  ratio Python / ours : %8.1f x" % (python_ms / ours_ms))


if __name__ == "__main__":
    main()
