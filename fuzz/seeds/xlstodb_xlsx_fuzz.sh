#!/usr/bin/env bash
# Seeds for xlstodb_xlsx_fuzz: see xlstodb_seeds.sh.
exec "$(dirname "$0")/xlstodb_seeds.sh" xlsx "$1"
