#!/usr/bin/python3
"""A CalDAV client of its own for the tests: plain WebDAV requests (urllib) and python3-icalendar.

  caldav_tool.py mkcalendar URL USER PASSWORD
  caldav_tool.py list URL USER PASSWORD        the collection's entries as JSON, by UID
  caldav_tool.py describe FILE.ics              the entries of a calendar file, the same JSON
  caldav_tool.py etags URL USER PASSWORD        {href: etag} of every resource
  caldav_tool.py put URL USER PASSWORD FILE     stores FILE as the resource URL
  caldav_tool.py meddle UPSTREAM USER PASSWORD PORTFILE
      a proxy to UPSTREAM that changes a resource on the server just before it forwards a
      PUT or DELETE with If-Match to it, as another calendar program would in the meantime
"""
import base64
import http.server
import json
import sys
import urllib.error
import urllib.parse
import urllib.request
import xml.etree.ElementTree as ET

import icalendar

QUERY = b"""<?xml version="1.0" encoding="utf-8"?>
<C:calendar-query xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">
  <D:prop><D:getetag/><C:calendar-data/></D:prop>
  <C:filter><C:comp-filter name="VCALENDAR"/></C:filter>
</C:calendar-query>"""


def request(method, url, user, password, body=None, headers=None):
    req = urllib.request.Request(url, data=body, method=method, headers=dict(headers or {}))
    token = base64.b64encode(f"{user}:{password}".encode()).decode()
    req.add_header("Authorization", "Basic " + token)
    try:
        with urllib.request.urlopen(req) as answer:
            return answer.status, answer.read(), answer.headers
    except urllib.error.HTTPError as error:
        return error.code, error.read(), error.headers


def resources(url, user, password):
    status, body, _ = request("REPORT", url, user, password, QUERY,
                              {"Depth": "1", "Content-Type": "application/xml"})
    assert status == 207, status
    ns = {"D": "DAV:", "C": "urn:ietf:params:xml:ns:caldav"}
    for response in ET.fromstring(body).findall("D:response", ns):
        href = response.findtext("D:href", namespaces=ns)
        etag = response.findtext(".//D:getetag", namespaces=ns)
        data = response.findtext(".//C:calendar-data", namespaces=ns)
        if data:
            yield href, etag, data


def text(value):
    if value is None:
        return None
    if isinstance(value, icalendar.prop.vCategory):
        return ",".join(str(c) for c in value.cats)
    if hasattr(value, "dt"):
        return value.dt.isoformat()
    return str(value)


def entries(calendar_text):
    calendar = icalendar.Calendar.from_ical(calendar_text)
    for component in calendar.walk():
        if component.name not in ("VEVENT", "VTODO"):
            continue
        fields = {key: text(component.get(key)) for key in
                  ("SUMMARY", "DTSTART", "DTEND", "DUE", "DESCRIPTION", "CATEGORIES", "PRIORITY")}
        fields["KIND"] = component.name
        fields["TZID"] = component.get("DTSTART").params.get("TZID") if component.get("DTSTART") else None
        yield str(component.get("UID")), {k: v for k, v in fields.items() if v is not None}


def main(args):
    command = args[0]
    if command == "mkcalendar":
        status, _, _ = request("MKCALENDAR", args[1], args[2], args[3])
        return 0 if status == 201 else 1
    if command == "list":
        found = {}
        for _, _, data in resources(*args[1:4]):
            found.update(entries(data))
        print(json.dumps(found, ensure_ascii=False, sort_keys=True, indent=1))
        return 0
    if command == "describe":
        with open(args[1], "rb") as file:
            print(json.dumps(dict(entries(file.read())), ensure_ascii=False, sort_keys=True, indent=1))
        return 0
    if command == "etags":
        print(json.dumps({href: etag for href, etag, _ in resources(*args[1:4])}, sort_keys=True, indent=1))
        return 0
    if command == "put":
        with open(args[4], "rb") as file:
            status, _, _ = request("PUT", args[1], args[2], args[3], file.read(),
                                   {"Content-Type": "text/calendar"})
        return 0 if status in (201, 204) else 1
    if command == "meddle":
        return meddle(*args[1:5])
    print(__doc__, file=sys.stderr)
    return 2


def meddle(upstream, user, password, port_file):
    origin = urllib.parse.urlsplit(upstream)

    class Proxy(http.server.BaseHTTPRequestHandler):
        def forward(self):
            body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
            target = f"{origin.scheme}://{origin.netloc}{self.path}"
            if self.command in ("PUT", "DELETE") and "If-Match" in self.headers:
                status, data, _ = request("GET", target, user, password)
                if status == 200:
                    changed = data.replace(b"\r\nSUMMARY:", b"\r\nSUMMARY:changed elsewhere ", 1)
                    request("PUT", target, user, password, changed, {"Content-Type": "text/calendar"})
            headers = {k: v for k, v in self.headers.items() if k.lower() not in ("host", "content-length", "accept-encoding")}
            status, data, answer_headers = request(self.command, target, user, password, body or None, headers)
            self.send_response(status)
            for key in ("ETag", "Content-Type"):
                if answer_headers.get(key):
                    self.send_header(key, answer_headers[key])
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data)

        do_PUT = do_DELETE = do_REPORT = do_GET = do_PROPFIND = forward

        def log_message(self, *args):
            pass

    server = http.server.HTTPServer(("127.0.0.1", 0), Proxy)
    with open(port_file + ".part", "w") as file:
        file.write(str(server.server_address[1]))
    import os
    os.rename(port_file + ".part", port_file)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
