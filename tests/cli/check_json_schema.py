"""Every JSON document the suite kept, against the schema of docs/.

Usage: check_json_schema.py SCHEMA FOLDER. Fails on a document that does not
validate, and on a folder without documents: the tests that write them did
not run, or wrote none.
"""
import json
import pathlib
import sys

import jsonschema


def main(schema_path, folder):
    schema = json.loads(pathlib.Path(schema_path).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    documents = sorted(pathlib.Path(folder).glob("*.json"))
    if not documents:
        print(f"no JSON document in {folder}", file=sys.stderr)
        return 1
    failures = 0
    for path in documents:
        document = json.loads(path.read_text(encoding="utf-8"))
        error = jsonschema.exceptions.best_match(validator.iter_errors(document))
        if error is not None:
            failures += 1
            where = "/".join(str(p) for p in error.absolute_path)
            print(f"{path.name}: {document.get('command')}: {where}: {error.message[:300]}",
                  file=sys.stderr)
    print(f"{len(documents)} documents, {failures} not valid")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
