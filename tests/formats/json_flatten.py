"""Reads zelvor-check's JSON documents (one a line) from standard input,
checks each against the documented layout and prints it flattened, one line
per document, file and finding, strings in Python's own JSON escaping."""
import json
import sys

DOCUMENT_KEYS = ["folder", "working_directory", "files", "errors", "warnings", "verdict"]
FILE_KEYS = ["name", "path", "title", "findings"]
FINDING_KEYS = ["severity", "message", "line", "location"]


def text(value):
    assert isinstance(value, str), value
    return json.dumps(value, ensure_ascii=True)


def main():
    data = sys.stdin.buffer.read()
    assert data.endswith(b"\n"), "output does not end with a line feed"
    for raw in data[:-1].split(b"\n"):
        # Strict: invalid UTF-8 and raw control characters are refused.
        doc = json.loads(raw.decode("utf-8"))
        assert list(doc) == DOCUMENT_KEYS, list(doc)
        errors = warnings = 0
        lines = []
        for file in doc["files"]:
            assert list(file) == FILE_KEYS, list(file)
            lines.append("file %s %s %s" % (text(file["name"]), text(file["path"]), text(file["title"])))
            for finding in file["findings"]:
                assert list(finding) == FINDING_KEYS, list(finding)
                line = finding["line"]
                assert line is None or (type(line) is int and line >= 1), line
                location = finding["location"]
                assert finding["severity"] in ("error", "warning"), finding["severity"]
                if finding["severity"] == "error":
                    errors += 1
                else:
                    warnings += 1
                lines.append("finding %s %s %s %s" % (
                    finding["severity"], "null" if line is None else line,
                    "null" if location is None else text(location), text(finding["message"])))
        assert doc["errors"] == errors and doc["warnings"] == warnings, (doc["errors"], doc["warnings"])
        assert doc["verdict"] == ("errors" if errors else "clean"), doc["verdict"]
        print("folder %s %s %s" % (text(doc["folder"]), text(doc["working_directory"]), doc["verdict"]))
        for line in lines:
            print(line)


main()
