"""The update server of the tests: files from a folder over http and https on 127.0.0.1.

It makes two release files in the folder. The first part of a path picks how the rest is served: /slow/ in pieces with pauses, /cut/ half
of it before the connection closes, /endless/ without end, /stall/ never, /to-http/ and /to-https/
as redirects to the same file on the other server. Prints the two base addresses and the certificate."""
import http.server
import os
import ssl
import subprocess
import sys
import threading
import time

root = sys.argv[1]
ports = {}


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=root, **kwargs)

    def log_message(self, *args):
        pass

    def body(self, rest):
        with open(os.path.join(root, rest), "rb") as f:
            return f.read()

    def do_GET(self):
        mode, _, rest = self.path.lstrip("/").partition("/")
        try:
            if mode in ("to-http", "to-https"):
                scheme = mode[3:]
                self.send_response(302)
                self.send_header("Location", f"{scheme}://127.0.0.1:{ports[scheme]}/{rest}")
                self.send_header("Content-Length", "0")
                self.end_headers()
            elif mode == "stall":
                time.sleep(60)
            elif mode in ("slow", "cut", "endless"):
                data = self.body(rest)
                self.send_response(200)
                if mode != "endless":
                    self.send_header("Content-Length", str(len(data)))
                self.end_headers()
                if mode == "cut":
                    self.wfile.write(data[: len(data) // 2])
                    self.close_connection = True
                    return
                if mode == "endless":
                    data *= 65536 // len(data) + 1
                piece = max(len(data) // 12, 1)
                while True:
                    for i in range(0, len(data), piece):
                        self.wfile.write(data[i : i + piece])
                        self.wfile.flush()
                        time.sleep(0.04 if mode == "slow" else 0)
                    if mode != "endless":
                        break
            else:
                super().do_GET()
        except (BrokenPipeError, ConnectionResetError, FileNotFoundError):
            self.close_connection = True


def serve(scheme, context=None):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if context:
        server.socket = context.wrap_socket(server.socket, server_side=True)
    ports[scheme] = server.server_address[1]
    threading.Thread(target=server.serve_forever, daemon=True).start()


# Two releases of a few megabytes, with the same bytes.
release = os.urandom(3 << 20)
for name in ("r.zip", "setup.exe"):
    with open(os.path.join(root, name), "wb") as f:
        f.write(release)
cert, key = os.path.join(root, "cert.pem"), os.path.join(root, "key.pem")
subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", key, "-out", cert,
                "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"],
               check=True, capture_output=True)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
serve("http")
serve("https", context)
print(f"http://127.0.0.1:{ports['http']} https://127.0.0.1:{ports['https']} {cert}", flush=True)
sys.stdin.read()  # runs until the test closes its end
