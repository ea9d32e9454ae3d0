#!/usr/bin/env bash
# Seeds for xlstodb_records_fuzz: see xlstodb_seeds.sh.
exec "$(dirname "$0")/xlstodb_seeds.sh" records "$1"
