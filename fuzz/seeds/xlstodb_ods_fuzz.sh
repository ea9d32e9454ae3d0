#!/usr/bin/env bash
# Seeds for xlstodb_ods_fuzz: see xlstodb_seeds.sh.
exec "$(dirname "$0")/xlstodb_seeds.sh" ods-parts "$1"
